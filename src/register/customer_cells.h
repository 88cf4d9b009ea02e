#pragma once
// The texts of the register table's cells. Every data cell begins with one space.
#include "register/customer_record.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace andel {

// " ddd ddd ddd": the number padded with "0" to nine digits (only the first nine shown).
std::string playerNumberCell(std::uint32_t number);
// " ddd-ddddd": the number padded with "0" to eight digits (0 shows as eight zeros).
std::string phoneCell(std::uint32_t number);
// " DD/MM-YYYY", each part padded with "0".
std::string dateCell(int day, int month, int year);

// The player number as the main window shows it: the digits of the text padded on the
// left with "0" to nine, in three groups of three joined by single blanks.
std::string groupedPlayerNumber(std::string_view text);

// The sort text of a " Reg. dato" cell: "YYYY.MM.DD", or thirteen nines when the trimmed
// cell has fewer than four characters, so rows without a date come last.
std::string dateSortText(std::string_view cell);

// A cell's text to a number: its digits only, none gives 0; too large saturates.
std::uint32_t cellNumber(std::string_view cell);

}  // namespace andel
