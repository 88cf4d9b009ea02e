#pragma once
// A tipping row line ("0324 446677774444") as a 26-character row field of a coupon
// record: a two-character sign code per match, then two fill characters.
#include <string>
#include <string_view>

namespace andel {

// The code of a mark digit (H = 4, U = 2, B = 1): "01" H, "03" U, "02" B, "04" HU,
// "05" HB, "06" UB, "07" HUB. Anything else has no signs and gives "00".
std::string_view signCode(char markDigit);

struct RowField {
    std::string field;      // 26 characters
    bool wellFormed = true; // twelve marks of 1 to 7 after a four-digit row count
};

// The marks are the line from position 6 with every blank removed; a line without
// exactly twelve of them converts as many as it has, at most twelve.
RowField convertRowLine(std::string_view line);

}  // namespace andel
