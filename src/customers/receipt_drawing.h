#pragma once
// Receipts on A4 through the inch canvas: three slips to a page, a dashed cut line
// between them.
#include "customers/receipt.h"
#include "printing/inch_canvas.h"

#include <vector>

namespace andel {

inline constexpr int kSlipsPerPage = 3;

int receiptPageCount(std::size_t slips);

// Page `page` (0 first) of the slips; the caller begins the page (or the job) before it.
void drawReceiptPage(InchCanvas& canvas, const std::vector<ReceiptSlip>& slips, int page);

}  // namespace andel
