#pragma once
// The customer table the register window shows: a header text and a width per column,
// and rows of cell texts. Columns 1 to 4 change places with the sort criterion, so every
// operation finds a column by its header text.
#include "register/customer_record.h"
#include "register/text_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kLineHeader = " Linje";
inline constexpr std::string_view kLastNameHeader = " Etternavn";
inline constexpr std::string_view kFirstNameHeader = " Fornavn";
inline constexpr std::string_view kPlayerNumberHeader = " Spillenummer";
inline constexpr std::string_view kRegDateHeader = " Reg. dato";
inline constexpr std::string_view kTelephoneHeader = " Telefon ";
inline constexpr std::string_view kTelephone2Header = " Telefon 2";
inline constexpr std::string_view kFax1Header = " Fax 1";
inline constexpr std::string_view kFax2Header = " Fax 2";
inline constexpr std::string_view kOtherInfoHeader = " Andre opplysninger";
constexpr int kCustomerColumns = 10;

// The sort criteria (setting "QtomSortkriterie"): 1 last name, 2 first name, 3 player
// number, 4 registration date.
constexpr int kFirstCriterion = 1, kLastCriterion = 4;
bool isCriterion(int criterion);

using CustomerTable = TextTable;

// The columns in the order of criterion 1 with their widths, one empty data row.
CustomerTable emptyCustomerTable();

// One data row per customer in file order, each cell written into its column; at least
// one (empty) data row.
void fillCustomerTable(CustomerTable& table, const std::vector<Tkunderec>& customers);

// Columns 1 to 4 in the order of the criterion, each with its cells, header and width.
// Other values leave the columns as they are.
void arrangeColumns(CustomerTable& table, int criterion);

// The header of the column that criterion 1 to 4 sorts by (empty for other values).
std::string_view sortHeader(int criterion);

// Orders the data rows by the column (the date column by its year-first sort text).
void sortRows(CustomerTable& table, std::string_view header);

// A record rebuilt from a row's cells: names and other information without the cell's
// leading blank, cut to their capacity; numbers from their digits; the date from the
// trimmed date cell (characters 1-2 day, 4-5 month, 7-10 year).
Tkunderec rowToRecord(const CustomerTable& table, std::size_t row);

// The typed words (blanks only separate them) all found at the start of words of a data
// row's column 1, last name or first name: "hansen o" finds Ola Hansen. Rows whose column
// 1 begins with the first word come first. Upper case and lower case (å, æ, ø included)
// count as the same; nothing for a text without words or when no row matches.
std::optional<std::size_t> searchRow(const CustomerTable& table, std::string_view text);

// Removes a data row; the table keeps at least one (empty) data row.
void removeRow(TextTable& table, std::size_t row);

}  // namespace andel
