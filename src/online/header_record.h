#pragma once
// The header record of the online file: fields H1 to H25 with their defaults.
#include "online/online_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// The count fields that have a setter (H15 has none).
enum class HeaderCount { H12 = 12, H13 = 13, H14 = 14, H16 = 16, H17 = 17, H18 = 18, H19 = 19 };

class HeaderRecord : public OnlineRecord {
public:
    static constexpr int kFieldCount = 25;

    // Every field at its default.
    HeaderRecord();
    // Nothing unless `bytes` is exactly one record.
    static std::optional<HeaderRecord> fromBytes(std::string_view bytes);

    // Field H1 to H25 by its number.
    static RecordField fieldOf(int number);
    std::string_view field(int number) const { return at(fieldOf(number)); }

    // Texts are the program's UTF-8; the record holds them encoded.
    void setRecordNumber(std::string_view text);       // H1, "0"-padded
    void setVersion(std::string_view text);            // H2, as given (cut to 3)
    void setName(std::string_view text);               // H3, blank-padded on the right, cut to 20
    void setCount(HeaderCount field, std::string_view text);  // "0"-padded to 6, cut
    void setMarkFlag();                                // H21 = "1"
    void setSerialNumber(std::string_view text);       // H23, "0"-padded to 4, cut
    void setPlayerNumber(std::string_view text);       // H24, digits only, "0"-padded to 9, cut

    // One line per field, "H1   :" and the field's text; H20 in two lines of 103: 26 lines.
    std::vector<std::string> dump() const;

private:
    explicit HeaderRecord(std::string bytes) : OnlineRecord(std::move(bytes)) {}
};

}  // namespace andel
