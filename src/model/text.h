#pragma once
// The text helpers used throughout: every text is UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

namespace andel {

std::string digitsOnly(std::string_view text);
std::string removeBlanks(std::string_view text);
// Blanks at both ends removed; a text of blanks only becomes empty.
std::string trimBlanks(std::string_view text);
// a to z and å, æ, ø to their capitals; every other character unchanged.
std::string upperCase(std::string_view text);
// The text without its leading "0"s ("000123" gives "123", "000" gives "").
std::string withoutLeadingZeros(std::string_view text);
// Pads on the left with "0" to the width, then keeps the first `width` characters.
std::string padLeftZero(std::string_view text, std::size_t width);
// Right-aligns in `width` characters with blanks (longer texts are kept whole).
std::string padLeft(std::string_view text, std::size_t width, char fill = ' ');
// Whole amounts grouped by three digits from the right with ".": 26244 -> "26.244".
std::string formatAmount(std::int64_t amount);
// Reads an amount back: every character that is not a digit is dropped; no digits is 0.
std::int64_t parseAmount(std::string_view text);
// Decimal text with at least two digits ("05").
std::string twoDigits(int number);
// Each CR and LF replaced by a blank: a value written as one line of a line-keyed file
// must stay one line, or every value after it would be read under the wrong key.
std::string blankLineBreaks(std::string_view text);
bool startsWith(std::string_view text, std::string_view prefix);

}  // namespace andel
