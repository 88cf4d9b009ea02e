#include "online/header_record.h"

#include "model/codepage.h"
#include "model/text.h"

#include <stdexcept>

namespace andel {
namespace {

constexpr std::array<std::size_t, HeaderRecord::kFieldCount> kWidths = {
    4, 3, 20, 1, 1, 2, 8, 8, 8, 8, 16, 6, 6, 6, 6, 6, 6, 6, 6, 206, 1, 1, 4, 9, 2};

// Runs of one character, in field order, that make up the defaults.
std::string defaultBytes() {
    std::string bytes = "0000003" + std::string(20, ' ') + "0000" + "90/01/01" "00:00:00" "90/01/01" "00:00:00";
    bytes += std::string(16 + 8 * 6, '0');
    bytes += std::string(206, ' ');
    bytes += "10KVAS777888999" "00";
    return bytes;
}

}  // namespace

HeaderRecord::HeaderRecord() : OnlineRecord(defaultBytes()) {}

std::optional<HeaderRecord> HeaderRecord::fromBytes(std::string_view bytes) {
    if (bytes.size() != kRecordBytes) return std::nullopt;
    return HeaderRecord(std::string(bytes));
}

RecordField HeaderRecord::fieldOf(int number) {
    if (number < 1 || number > kFieldCount) throw std::out_of_range("header fields are H1 to H25");
    std::size_t position = 1;
    for (int n = 1; n < number; ++n) position += kWidths[n - 1];
    return {position, kWidths[number - 1]};
}

void HeaderRecord::setRecordNumber(std::string_view text) { put(fieldOf(1), numericField(text, 4)); }
void HeaderRecord::setVersion(std::string_view text) { put(fieldOf(2), leftAlignedField(text, 3)); }
void HeaderRecord::setName(std::string_view text) { put(fieldOf(3), leftAlignedField(text, 20)); }
void HeaderRecord::setCount(HeaderCount field, std::string_view text) {
    put(fieldOf(static_cast<int>(field)), numericField(text, 6));
}
void HeaderRecord::setMarkFlag() { put(fieldOf(21), "1"); }
void HeaderRecord::setSerialNumber(std::string_view text) { put(fieldOf(23), numericField(text, 4)); }
void HeaderRecord::setPlayerNumber(std::string_view text) { put(fieldOf(24), numericField(digitsOnly(text), 9)); }

std::vector<std::string> HeaderRecord::dump() const {
    std::vector<std::string> lines;
    auto line = [&](const std::string& label, std::string_view bytes) {
        lines.push_back(label + ":" + fromCp1252(bytes));
    };
    for (int n = 1; n <= kFieldCount; ++n) {
        std::string label = "H" + std::to_string(n);
        label.resize(5, ' ');
        const std::string_view text = field(n);
        if (n == 20) {
            line(label, text.substr(0, 103));
            line(label, text.substr(103));
        } else {
            line(label, text);
        }
    }
    return lines;
}

}  // namespace andel
