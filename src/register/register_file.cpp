#include "register/register_file.h"

#include "model/text.h"
#include "platform/file_io.h"
#include "platform/file_lock.h"
#include "platform/io_error.h"
#include "register/customer_cells.h"

#include <functional>
#include <optional>
#include <system_error>

namespace andel {
namespace fs = std::filesystem;
namespace {

// Larger than any register an agent keeps (650,000 customers): anything bigger is not one.
constexpr std::size_t kMaxRegisterBytes = 64u * 1024u * 1024u;

bool sameNameIgnoringCase(const std::string& a, std::string_view b) {
    return a.size() == b.size() && upperCase(a) == upperCase(b);
}

std::string comparableName(std::string_view name) { return trimBlanks(upperCase(name)); }

// Why the register cannot be reached, in words for the agent. A path the system cannot
// take is told apart: the agent must move the program, not look for a file.
[[noreturn]] void throwUnreadable(const fs::path& path, const std::error_code& error) {
    if (error == std::errc::filename_too_long) {
        throw IoError("Kan ikke lese kundekartoteket " + std::string(kRegisterFileName) +
                      ": stien til arbeidskatalogen er lengre enn systemet tillater.");
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        throw IoError("Kan ikke lese kundekartoteket " + pathText(path) + ": ingen tilgang.");
    }
    throw IoError("Kan ikke lese kundekartoteket " + pathText(path) + ": " + error.message());
}

// Whether the register exists; only "not there" means an empty register, any other
// failure to look is reported.
bool registerExists(const fs::path& path) {
#ifdef _WIN32
    // Windows' file functions stop at 260 characters (MAX_PATH) and then say only "not
    // found", which would show an empty register.
    if (fs::absolute(path).native().size() >= 260) {
        throwUnreadable(path, std::make_error_code(std::errc::filename_too_long));
    }
#endif
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return false;
    if (error) throwUnreadable(path, error);
    return true;
}

using Rewrite = std::function<std::string(const RegisterBytes&)>;

// Holds WTOM.KVS against other writers while it is read and rewritten. A missing file
// needs no lock. A file we may not write (read-only, or on a read-only disk) is told
// apart from one another program holds.
void rewriteRegister(const Workspace& workspace, std::string_view temporaryName, const Rewrite& rewrite) {
    const fs::path target = registerPath(workspace);
    std::optional<ExclusiveFileLock> lock;
    if (registerExists(target)) {
        lock.emplace(target);
        switch (lock->access()) {
        case FileAccess::Free: break;
        case FileAccess::Busy: throw IoError("Kundekartoteket " + pathText(target) + " er i bruk");
        case FileAccess::NotPermitted: throw IoError("Kundekartoteket " + pathText(target) + " er skrivebeskyttet");
        case FileAccess::LockFailed: throw IoError(notLockableText(target, lock->lockError()));
        }
    }
    replaceFile(target, rewrite(readRegisterBytes(workspace)), workspace.file(std::string(temporaryName)));
}

bool runRewrite(const Workspace& workspace, std::string_view temporaryName, Messages& messages,
                const Rewrite& rewrite) {
    try {
        rewriteRegister(workspace, temporaryName, rewrite);
        return true;
    } catch (const IoError& error) {
        messages.inform("Klarte ikke å oppdatere kundekartoteket.\r" + std::string(error.what()) +
                        "\rWTOM.KVS er ikke endret.");
        return false;
    }
}

}  // namespace

fs::path registerPath(const Workspace& workspace) {
    const fs::path exact = workspace.file(std::string(kRegisterFileName));
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(workspace.root(), error)) {
        const std::string name = pathText(entry.path().filename());
        if (sameNameIgnoringCase(name, kRegisterFileName)) return entry.path();
    }
    // A working directory that is not there holds no register; one that cannot be
    // listed is an error, not an empty register.
    if (error && error != std::errc::no_such_file_or_directory) throwUnreadable(exact, error);
    return exact;
}

RegisterBytes readRegisterBytes(const Workspace& workspace) {
    const fs::path path = registerPath(workspace);
    if (!registerExists(path)) return {};
    std::optional<std::string> bytes = readFileBytes(path, kMaxRegisterBytes);
    if (!bytes) throw IoError("Kan ikke lese kundekartoteket " + pathText(path));
    return RegisterBytes{std::move(*bytes)};
}

std::vector<Tkunderec> readCustomers(const Workspace& workspace) {
    const RegisterBytes file = readRegisterBytes(workspace);
    std::vector<Tkunderec> customers;
    customers.reserve(file.recordCount());
    for (std::size_t i = 0; i < file.recordCount(); ++i) customers.push_back(decodeKunderec(file.record(i)));
    return customers;
}

std::optional<FileStamp> registerStamp(const Workspace& workspace) {
    const fs::path path = registerPath(workspace);
    if (!registerExists(path)) return std::nullopt;
    std::error_code error;
    const auto time = fs::last_write_time(path, error);
    if (error) throwUnreadable(path, error);
    const auto size = fs::file_size(path, error);
    if (error) throwUnreadable(path, error);
    return FileStamp{time, size};
}

namespace {

// The whole records that do not match `target` (all of them without a target).
std::string keptRecords(const RegisterBytes& file, const Tkunderec* target) {
    std::string kept;
    kept.reserve(file.bytes.size() + kKunderecSize);
    for (std::size_t i = 0; i < file.recordCount(); ++i) {
        if (!target || !customerMatches(decodeKunderec(file.record(i)), *target)) kept += file.record(i);
    }
    return kept;
}

}  // namespace

// A partial record at the end stays last, so the whole records keep their places.
bool appendCustomer(const Workspace& workspace, const Tkunderec& customer, Messages& messages) {
    return runRewrite(workspace, kAppendTemporaryName, messages, [&](const RegisterBytes& file) {
        return keptRecords(file, nullptr) + encodeKunderec(customer) + std::string(file.tail());
    });
}

bool deleteCustomer(const Workspace& workspace, const Tkunderec& target, Messages& messages) {
    return runRewrite(workspace, kDeleteTemporaryName, messages, [&](const RegisterBytes& file) {
        return keptRecords(file, &target) + std::string(file.tail());
    });
}

bool replaceCustomer(const Workspace& workspace, const Tkunderec& target, const Tkunderec& customer,
                     Messages& messages) {
    return runRewrite(workspace, kAppendTemporaryName, messages, [&](const RegisterBytes& file) {
        return keptRecords(file, &target) + encodeKunderec(customer) + std::string(file.tail());
    });
}

bool customerMatches(const Tkunderec& record, const Tkunderec& target) {
    // Numbers compare as the table shows them, so a number wider than its cell still
    // matches the row that shows it.
    return comparableName(record.firstName) == comparableName(target.firstName) &&
           comparableName(record.lastName) == comparableName(target.lastName) &&
           playerNumberCell(record.playerNumber) == playerNumberCell(target.playerNumber) &&
           dateCell(record.day, record.month, record.year) == dateCell(target.day, target.month, target.year) &&
           phoneCell(record.telephone1) == phoneCell(target.telephone1) &&
           phoneCell(record.telephone2) == phoneCell(target.telephone2) &&
           phoneCell(record.fax1) == phoneCell(target.fax1) && phoneCell(record.fax2) == phoneCell(target.fax2);
}

}  // namespace andel
