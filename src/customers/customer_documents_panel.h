#pragma once
// A statement and receipts as documents of the program's one print path: the same pages
// for the preview, the printer and the PDF.
#include "customers/receipt.h"
#include "customers/statement.h"
#include "printing/page_output_panel.h"

#include <vector>

namespace andel {

// The statement and the slips must outlive the documents.
InchDocument statementDocument(const Statement& statement);
InchDocument receiptDocument(const std::vector<ReceiptSlip>& slips);

}  // namespace andel
