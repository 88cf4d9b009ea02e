#pragma once
// The list of who owes on A4 through the inch canvas: a heading with the date, one line
// per unpaid share in the order of the window (by customer), the total under the last
// line, and "Side N av M" at the foot of every page.
#include "accounts/accounts_report.h"
#include "books/ledger.h"
#include "printing/inch_canvas.h"

#include <cstddef>
#include <vector>

namespace andel {

struct OwingSheet {
    std::vector<Fields> rows;  // as owingRows gives them, amounts grouped
    std::int64_t total = 0;
    std::size_t customers = 0;
    LedgerDate printedOn;
};

inline constexpr std::size_t kOwingLinesPerPage = 52;
// At least one page; the total needs a line of its own under the last row.
std::size_t owingPageCount(std::size_t rows);
void drawOwingPage(InchCanvas& canvas, const OwingSheet& sheet, std::size_t page);

}  // namespace andel
