#pragma once
// WTOM.KVS as a file: its whole records and the rewrites that append and delete them.
// Every rewrite writes the temporary file completely (TMP.KVS for an append, "QTMP.TMP"
// for a delete), flushes it and renames it over WTOM.KVS, so a crash leaves either the
// old or the new register. A trailing partial record is kept as it is, at the end.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "register/customer_record.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kRegisterFileName = "WTOM.KVS";
inline constexpr std::string_view kAppendTemporaryName = "TMP.KVS";
inline constexpr std::string_view kDeleteTemporaryName = "QTMP.TMP";

// The register's bytes: whole records, then whatever does not fill a record.
struct RegisterBytes {
    std::string bytes;
    std::size_t recordCount() const { return bytes.size() / kKunderecSize; }
    std::string_view record(std::size_t index) const {
        return std::string_view(bytes).substr(index * kKunderecSize, kKunderecSize);
    }
    std::string_view tail() const { return std::string_view(bytes).substr(recordCount() * kKunderecSize); }
};

// WTOM.KVS, found without regard to case ("Wtom.kvs" is the same file).
std::filesystem::path registerPath(const Workspace& workspace);

// A missing file is an empty register; an unreadable or absurdly large one, or one the
// path cannot reach, throws IoError.
RegisterBytes readRegisterBytes(const Workspace& workspace);
std::vector<Tkunderec> readCustomers(const Workspace& workspace);

// What tells a changed register from the one loaded last: modification time and size.
struct FileStamp {
    std::filesystem::file_time_type time;
    std::uintmax_t size = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// Nothing for a missing register; a register that cannot be looked at (no access, a
// path longer than the system allows) throws IoError.
std::optional<FileStamp> registerStamp(const Workspace& workspace);

// Appends the customer (texts cut to their capacity, reserved field zero). On failure
// WTOM.KVS is left exactly as it was, a message says so (a read-only register is told
// apart from one another program holds) and the result is false.
bool appendCustomer(const Workspace& workspace, const Tkunderec& customer, Messages& messages);

// Removes every record that matches `target`: names upper-cased and trimmed, player
// number, date, telephones and faxes as the table shows them. Other information and the
// reserved field are not compared. Failure as for appendCustomer.
bool deleteCustomer(const Workspace& workspace, const Tkunderec& target, Messages& messages);

// A change: the records matching `target` removed and `customer` appended in one
// rewrite (through TMP.KVS), so the register never lacks the customer.
bool replaceCustomer(const Workspace& workspace, const Tkunderec& target, const Tkunderec& customer,
                     Messages& messages);

bool customerMatches(const Tkunderec& record, const Tkunderec& target);

}  // namespace andel
