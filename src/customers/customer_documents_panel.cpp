#include "customers/customer_documents_panel.h"

#include "customers/receipt_drawing.h"
#include "customers/statement_drawing.h"

#include <memory>

namespace andel {

InchDocument statementDocument(const Statement& statement) {
    // The pages are counted once; each page is drawn from its share of the lines.
    auto pages = std::make_shared<std::vector<StatementPage>>(statementPages(statement.lines.size(), statementPageRoom()));
    return {QStringLiteral("Kontoutskrift"), pages->size(), [&statement, pages](InchCanvas& canvas, std::size_t page) {
                drawStatementPage(canvas, statement, (*pages)[page]);
            }};
}

InchDocument receiptDocument(const std::vector<ReceiptSlip>& slips) {
    return {QStringLiteral("Kvittering for andel"), static_cast<std::size_t>(receiptPageCount(slips.size())),
            [&slips](InchCanvas& canvas, std::size_t page) { drawReceiptPage(canvas, slips, static_cast<int>(page)); }};
}

InchDocument owingDocument(const OwingSheet& sheet) {
    return {QStringLiteral("Utestående"), owingPageCount(sheet.rows.size()),
            [&sheet](InchCanvas& canvas, std::size_t page) { drawOwingPage(canvas, sheet, page); }};
}

}  // namespace andel
