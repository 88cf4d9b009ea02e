#include "register/customer_table.h"

#include "model/text.h"
#include "register/customer_cells.h"

namespace andel {
namespace {

constexpr std::array<ColumnSpec, kCustomerColumns> kInitialColumns = {{
    {kLineHeader, 0},
    {kLastNameHeader, 140},
    {kFirstNameHeader, 110},
    {kPlayerNumberHeader, 100},
    {kRegDateHeader, 100},
    {kTelephoneHeader, 80},
    {kTelephone2Header, 0},
    {kFax1Header, 0},
    {kFax2Header, 0},
    {kOtherInfoHeader, 0},
}};

// Columns 1 to 4 for criteria 1 to 4.
constexpr std::array<std::array<std::string_view, 4>, 4> kCriterionColumns = {{
    {kLastNameHeader, kFirstNameHeader, kPlayerNumberHeader, kRegDateHeader},
    {kFirstNameHeader, kLastNameHeader, kPlayerNumberHeader, kRegDateHeader},
    {kPlayerNumberHeader, kLastNameHeader, kFirstNameHeader, kRegDateHeader},
    {kRegDateHeader, kLastNameHeader, kFirstNameHeader, kPlayerNumberHeader},
}};

// The cell text of a row without its leading blank.
std::string_view withoutMargin(std::string_view cell) {
    return !cell.empty() && cell.front() == ' ' ? cell.substr(1) : cell;
}

int partNumber(std::string_view text, std::size_t from, std::size_t count) {
    if (from > text.size()) return 0;
    return static_cast<int>(cellNumber(text.substr(from, count)));
}

}  // namespace

bool isCriterion(int criterion) { return criterion >= kFirstCriterion && criterion <= kLastCriterion; }

CustomerTable emptyCustomerTable() { return tableWithColumns(kInitialColumns); }

void fillCustomerTable(CustomerTable& table, const std::vector<Tkunderec>& customers) {
    const auto at = [&](std::string_view header) { return static_cast<std::size_t>(table.column(header)); };
    table.resetRows(customers.size());
    for (std::size_t i = 0; i < customers.size(); ++i) {
        const Tkunderec& c = customers[i];
        std::vector<std::string>& row = table.rows[i];
        row[at(kLastNameHeader)] = " " + c.lastName;
        row[at(kFirstNameHeader)] = " " + c.firstName;
        row[at(kPlayerNumberHeader)] = playerNumberCell(c.playerNumber);
        row[at(kRegDateHeader)] = dateCell(c.day, c.month, c.year);
        row[at(kTelephoneHeader)] = phoneCell(c.telephone1);
        row[at(kTelephone2Header)] = phoneCell(c.telephone2);
        row[at(kFax1Header)] = phoneCell(c.fax1);
        row[at(kFax2Header)] = phoneCell(c.fax2);
        row[at(kOtherInfoHeader)] = " " + c.otherInfo;
    }
}

void arrangeColumns(CustomerTable& table, int criterion) {
    if (!isCriterion(criterion)) return;
    const CustomerTable scratch = table;
    for (int target = 1; target <= 4; ++target) {
        const int source = scratch.column(kCriterionColumns[criterion - 1][target - 1]);
        table.headers[target] = scratch.headers[source];
        table.widths[target] = scratch.widths[source];
        for (std::size_t r = 0; r < table.rows.size(); ++r) table.rows[r][target] = scratch.rows[r][source];
    }
}

std::string_view sortHeader(int criterion) {
    return isCriterion(criterion) ? kCriterionColumns[criterion - 1][0] : std::string_view();
}

void sortRows(CustomerTable& table, std::string_view header) {
    if (header == kRegDateHeader) {
        sortTableRows(table, header, false, [](std::string_view cell) { return dateSortText(cell); });
    } else {
        sortTableRows(table, header);
    }
}

Tkunderec rowToRecord(const CustomerTable& table, std::size_t row) {
    Tkunderec record;
    record.firstName = cutToBytes(withoutMargin(table.cell(kFirstNameHeader, row)), kFirstNameCapacity);
    record.lastName = cutToBytes(withoutMargin(table.cell(kLastNameHeader, row)), kLastNameCapacity);
    record.otherInfo = cutToBytes(withoutMargin(table.cell(kOtherInfoHeader, row)), kOtherInfoCapacity);
    record.playerNumber = cellNumber(table.cell(kPlayerNumberHeader, row));
    record.telephone1 = cellNumber(table.cell(kTelephoneHeader, row));
    record.telephone2 = cellNumber(table.cell(kTelephone2Header, row));
    record.fax1 = cellNumber(table.cell(kFax1Header, row));
    record.fax2 = cellNumber(table.cell(kFax2Header, row));
    const std::string date = trimBlanks(table.cell(kRegDateHeader, row));
    record.day = partNumber(date, 0, 2);
    record.month = partNumber(date, 3, 2);
    record.year = partNumber(date, 6, 4);
    return record;
}

namespace {

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

// Every typed word begins a word of the row's first column or of its names.
bool allWordsMatch(const CustomerTable& table, std::size_t row, const std::vector<std::string>& typed) {
    std::vector<std::string> words = wordsOf(upperCase(table.rows[row][1]));
    for (std::string_view header : {kLastNameHeader, kFirstNameHeader}) {
        for (std::string& word : wordsOf(upperCase(table.cell(header, row)))) words.push_back(std::move(word));
    }
    for (const std::string& part : typed) {
        bool found = false;
        for (const std::string& word : words) found = found || startsWith(word, part);
        if (!found) return false;
    }
    return true;
}

}  // namespace

std::optional<std::size_t> searchRow(const CustomerTable& table, std::string_view text) {
    // The window's letter keys give capitals, so names are found whatever their case.
    const std::vector<std::string> typed = wordsOf(upperCase(text));
    if (typed.empty()) return std::nullopt;
    // First the rows whose first column begins with the first word ("HAL" finds Hals before
    // Hallvard Halvorsen's first name), then any row that holds every word ("OLA HANSEN").
    const std::string prefix = " " + typed.front();
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (startsWith(upperCase(table.rows[r][1]), prefix) && allWordsMatch(table, r, typed)) return r;
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (allWordsMatch(table, r, typed)) return r;
    }
    return std::nullopt;
}

void removeRow(TextTable& table, std::size_t row) {
    if (row >= table.rows.size()) return;
    table.rows.erase(table.rows.begin() + static_cast<long>(row));
    if (table.rows.empty()) table.resetRows(1);
}

}  // namespace andel
