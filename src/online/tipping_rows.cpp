#include "online/tipping_rows.h"

#include "model/text.h"
#include "online/coupon_record.h"
#include "online/rows_file_body.h"

#include <array>

namespace andel {
namespace {

constexpr std::size_t kMarks = 12;
constexpr std::size_t kMarksStart = 5;  // position 6

}  // namespace

std::string_view signCode(char markDigit) {
    static constexpr std::array<std::string_view, 8> codes = {"00", "02", "03", "06", "01", "05", "04", "07"};
    return markDigit >= '1' && markDigit <= '7' ? codes[static_cast<std::size_t>(markDigit - '0')] : codes[0];
}

RowField convertRowLine(std::string_view line) {
    RowField row{std::string(coupon_field::kRowFieldBytes, '0'), true};
    const std::string marks = removeBlanks(line.size() > kMarksStart ? line.substr(kMarksStart) : std::string_view());
    row.wellFormed = marks.size() == kMarks && rowCountOf(line).has_value();
    for (std::size_t m = 0; m < kMarks && m < marks.size(); ++m) {
        const std::string_view code = signCode(marks[m]);
        if (code == "00") row.wellFormed = false;
        row.field.replace(2 * m, 2, code);
    }
    return row;
}

}  // namespace andel
