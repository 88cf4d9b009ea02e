#pragma once
// A statement, receipts and the list of who owes as documents of the program's one print path: the same pages
// for the preview, the printer and the PDF.
#include "customers/owing_drawing.h"
#include "customers/receipt.h"
#include "customers/statement.h"
#include "printing/page_output_panel.h"

#include <vector>

namespace andel {

// The statement, the slips and the sheet must outlive the documents.
InchDocument statementDocument(const Statement& statement);
InchDocument receiptDocument(const std::vector<ReceiptSlip>& slips);
InchDocument owingDocument(const OwingSheet& sheet);

}  // namespace andel
