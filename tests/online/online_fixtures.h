#pragma once
// Expected online-file records, assembled from literal pieces in field order, and the
// intermediate rows file of the default system.
#include <string>
#include <string_view>
#include <vector>

namespace andel::test {

inline std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A header record as the TIPPING writer leaves it: H3 (20 bytes), H12, H13, H23, H24, H25.
inline std::string headerBytes(std::string_view name20, std::string_view coupons, std::string_view rows,
                               std::string_view serial, std::string_view player, std::string_view check) {
    std::string bytes = "0000" "003";
    bytes += name20;
    bytes += "0" "0" "00" "90/01/01" "00:00:00" "90/01/01" "00:00:00" "0000000000000000";
    bytes += std::string(coupons) + std::string(rows) + "000000" "000000" "000000" "000000" "000000" "000000";
    bytes += std::string(206, ' ') + "1" "0";
    bytes += std::string(serial) + std::string(player) + std::string(check);
    return bytes;
}

// A coupon record: positions 1-21, the row fields in use (the rest "0"), the tag and check.
inline std::string couponBytes(std::string_view head21, std::string_view rowFields, std::string_view tag,
                               std::string_view check) {
    std::string bytes(head21);
    bytes += rowFields;
    bytes += std::string(260 - rowFields.size(), '0');
    bytes += "?????????" "0000000000000000" "00000000" "0" "000" "0" "80/01/01" "00:00:00";
    bytes += std::string(tag) + "000000000" + std::string(check);
    return bytes;
}

// The header lines of a rows file; `values` are the 13 value lines in key order.
inline std::vector<std::string> rowsFileHeader(const std::vector<std::string>& values) {
    static const char* const keys[] = {"#OLINEFILNAVN", "#ONLINEFILKATALOG", "#NAVN", "#SPILLENUMMER", "#SPILL",
                                       "#ANTALLUKER", "#GANGEFELT", "#KUPONGTYPE", "#PAUSE", "#REKKEPRIS",
                                       "#MERKFIL", "#FRIDISPOSISJONHEADER", "#REKKEANTALLIALT"};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < 13; ++i) {
        lines.push_back(keys[i]);
        lines.push_back(i < values.size() ? values[i] : "");
    }
    return lines;
}

inline const std::vector<std::string>& defaultHeaderValues() {
    static const std::vector<std::string> values = {
        "KRYSSEN_2916_Rekker_KARI_NORDMANN.NTF", "C:\\NTFILE", "Kari Nordmann", "123456789", "TIPPING", "1", "1",
        "L\xd8RDAG", "NORMAL", "1", "1", "1234", "000000"};
    return values;
}

// The nine coupon lines of the stem 446677777777.
inline const std::vector<std::string>& defaultSystemLines() {
    static const std::vector<std::string> lines = {
        "0324 446677774444", "0324 446677774222", "0324 446677774111", "0324 446677772421", "0324 446677772214",
        "0324 446677772142", "0324 446677771412", "0324 446677771241", "0324 446677771124"};
    return lines;
}

// A rows file: the header values, six empty lines, then the given body lines.
inline std::vector<std::string> rowsFileLines(const std::vector<std::string>& values,
                                              const std::vector<std::string>& body) {
    std::vector<std::string> lines = rowsFileHeader(values);
    lines.insert(lines.end(), 6, "");
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

inline std::vector<std::string> defaultBody() {
    std::vector<std::string> body = {"#SYSTEMKUPONGER"};
    body.insert(body.end(), defaultSystemLines().begin(), defaultSystemLines().end());
    body.push_back("#ENKELREKKER");
    return body;
}

inline std::string defaultRowsFileText() { return joinLines(rowsFileLines(defaultHeaderValues(), defaultBody())); }

}  // namespace andel::test
