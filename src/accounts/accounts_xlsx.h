#pragma once
// Excel workbooks of a ledger and of the season, for the agent's spreadsheet: typed cells
// (kroner as numbers in a kroner format, dates as dates, telephone and player numbers as
// text so their leading zeros stay), a totals row with formulas, the syndicate's facts on
// a sheet of their own, and for the season a column chart of stake and prize per round.
// Each is written whole under a temporary name and then put in place.
#include "accounts/accounts_report.h"
#include "books/ledger.h"
#include "books/ledger_winnings.h"
#include "accounts/season.h"

#include <filesystem>

namespace andel {

void writeLedgerWorkbook(const std::filesystem::path& file, const Ledger& ledger, const LedgerResult& result);
void writeSeasonWorkbook(const std::filesystem::path& file, const Season& season);

// One sheet of text and kroner columns under a heading, with a totals row that sums the
// kroner columns by formula. A kroner cell's text is read as whole kroner ("1.250").
struct WorkbookColumn {
    std::string caption;
    bool kroner = false;
    double width = 14;
};
void writeTableWorkbook(const std::filesystem::path& file, const std::string& sheetName,
                        const std::vector<WorkbookColumn>& columns, const std::vector<Fields>& rows);

}  // namespace andel
