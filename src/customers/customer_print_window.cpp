#include "customers/customer_print_window.h"

#include "customers/customer_documents_panel.h"
#include "customers/printed_documents.h"
#include "platform/io_error.h"
#include "printing/document_print_dialog.h"

namespace andel {
namespace {

// What `load` reads, laid out by `document`, through the print choice; a file error is
// shown and nothing is printed.
template <class Load, class Document>
void printLoaded(QWidget* parent, const Load& load, const Document& document, const PrintChoiceDialog::Wording& wording,
                 Messages& messages) {
    try {
        const auto contents = load();
        printThroughChoice(parent, document(contents), wording, messages);
    } catch (const IoError& error) {
        messages.inform(error.what());
    }
}

}  // namespace

void printCustomerStatement(QWidget* parent, const Workspace& workspace, const ShareEntry& customer,
                            const StatementPeriod& period, Messages& messages) {
    printLoaded(
        parent, [&] { return loadStatement(workspace, customer, period, messages); }, statementDocument,
        {QStringLiteral("Skriver ut kontoutskrift"), QStringLiteral("Forhåndsvisning av kontoutskriften"), "kontoutskriften",
         QStringLiteral("kontoutskrift.pdf")},
        messages);
}

void printShareReceipts(QWidget* parent, const Workspace& workspace, const Ledger& ledger, const std::vector<int>& shares,
                        Messages& messages) {
    if (const std::string refused = receiptRefusal(ledger, shares); !refused.empty()) {
        messages.inform(refused);
        return;
    }
    printLoaded(
        parent, [&] { return loadReceiptSlips(workspace, ledger, shares); }, receiptDocument,
        {QStringLiteral("Skriver ut kvitteringer"), QStringLiteral("Forhåndsvisning av kvitteringene"), "kvitteringene",
         QStringLiteral("kvittering.pdf")},
        messages);
}

}  // namespace andel
