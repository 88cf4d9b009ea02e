#include "customers/customer_print_window.h"

#include "customers/counter_printer.h"
#include "customers/counter_slips.h"
#include "customers/customer_documents_panel.h"
#include "customers/printed_documents.h"
#include "platform/io_error.h"
#include "printing/document_print_dialog.h"
#include "printing/slip_output_panel.h"
#include "settings/agent_profile.h"
#include "settings/settings_store.h"

#include <QPrinter>
#include <QPrinterInfo>

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
    try {
        std::vector<Slip> slips;
        for (const ReceiptSlip& receipt : loadReceiptSlips(workspace, ledger, shares)) slips.push_back(receiptSlipOf(receipt));
        if (printOnReceiptPrinter(parent, workspace, messages, slips, false, {})) return;
    } catch (const IoError& error) {
        messages.inform(error.what());
        return;
    }
    printLoaded(
        parent, [&] { return loadReceiptSlips(workspace, ledger, shares); }, receiptDocument,
        {QStringLiteral("Skriver ut kvitteringer"), QStringLiteral("Forhåndsvisning av kvitteringene"), "kvitteringene",
         QStringLiteral("kvittering.pdf")},
        messages);
}

bool printOnReceiptPrinter(QWidget*, const Workspace& workspace, Messages& messages, const std::vector<Slip>& slips,
                           bool cash, std::string_view recorded) {
    const ReceiptPrinterChoice choice = readReceiptPrinter(mainStore(workspace, messages));
    if (!choice.chosen()) return false;
    if (choice.raw()) {
        for (const Slip& slip : slips) {
            if (const std::string failed = printSlipRaw(choice.rawAddress, slip, cash, recorded); !failed.empty()) {
                messages.inform(failed);
                return true;
            }
            cash = false;  // the drawer opens once
        }
        return true;
    }
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);  // lives as long as the program
    const QString name = QString::fromStdString(choice.systemPrinter);
    if (!QPrinterInfo::availablePrinterNames().contains(name)) {
        messages.inform("Kvitteringsskriveren " + choice.systemPrinter + " finnes ikke på denne maskinen: velg den på nytt "
                        "under Fil, Kvitteringsskriver." + (recorded.empty() ? std::string() : "\r" + std::string(recorded) + "."));
        return true;
    }
    printer->setPrinterName(name);
    printDocument(*printer, slipDocument(slips, QStringLiteral("Kvittering")), "kvitteringen", messages);
    return true;
}

void printCounterSlip(QWidget* parent, const Workspace& workspace, Messages& messages, const Ledger& ledger, int share,
                      bool payout) {
    try {
        if (share < 1 || share > static_cast<int>(ledger.entries.size())) return;
        const ShareEntry& entry = ledger.entries[static_cast<std::size_t>(share - 1)];
        std::vector<Slip> slips;
        bool cash = false;
        if (payout) {
            if (!payoutSlipRefusal(ledger, share).empty()) return;
            const PayoutSlip slip = payoutSlipOf(ledger, share, readAgentProfile(workspace).profile, todayLedgerDate());
            cash = slip.inCash > 0;
            slips.push_back(payoutSlipOf(slip));
        } else {
            if (!receiptRefusal(ledger, {share}).empty() || !entry.paid) return;
            cash = true;
            for (const ReceiptSlip& receipt : loadReceiptSlips(workspace, ledger, {share})) slips.push_back(receiptSlipOf(receipt));
        }
        printOnReceiptPrinter(parent, workspace, messages, slips, cash,
                              payout ? "Utbetalingen er registrert" : "Betalingen er registrert");
    } catch (const IoError& error) {
        messages.inform(error.what());
    }
}

}  // namespace andel
