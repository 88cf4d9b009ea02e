// andelstipp-cli customer statement and receipt: a customer's statement for a period and
// the receipts of sold shares, as the PDF the print choice would save.
#include "books/ledger_edit.h"
#include "accounts/day_report_text.h"
#include "commands.h"
#include "customers/day_report_document_panel.h"
#include "customers/counter_slips.h"
#include "customers/customer_documents_panel.h"
#include "customers/printed_documents.h"
#include "gui_application.h"
#include "ledger_arguments.h"
#include "printing/slip_output_panel.h"
#include "register_rows.h"
#include "settings/agent_profile.h"

namespace andel::cli {
namespace {

QString pdfOption(const Arguments& args, const std::string& command) {
    const auto pdf = args.option("--pdf");
    if (!pdf || pdf->empty()) throw UsageError(command + " needs --pdf FILE");
    return QString::fromStdString(*pdf);
}

// "1,3,5": each a share of the ledger.
std::vector<int> sharesArgument(const std::string& text, const Ledger& ledger) {
    std::vector<int> shares;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        shares.push_back(shareArgument(text.substr(start, comma - start), ledger));
        if (comma == std::string::npos) return shares;
        start = comma + 1;
    }
}

}  // namespace

int runCustomerStatement(const Arguments& args, Context& context) {
    args.expectPositionals(1, 2);
    const QString file = pdfOption(args, "customer statement");
    StatementPeriod period{dateOption(args, "--fra"), dateOption(args, "--til")};
    if (period.from && period.to && !inPeriod(*period.from, period)) throw UsageError("--fra must not come after --til");
    period.asOf = dateOption(args, "--per");
    const LedgerDate today = todayLedgerDate();
    if (period.asOf && isoDate(*period.asOf) > isoDate(today)) throw UsageError("--per must not come after today");
    const std::optional<Tkunderec> customer = chosenCustomer(args, "customer statement", context);
    if (!customer) return 1;
    const Statement statement = loadStatement(context.workspace, buyerOf(*customer), period, context.messages);
    const auto application = guiApplication();
    writeDocumentPdf(file, statementDocument(statement));
    return 0;
}

int runReceipt(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    const QString file = pdfOption(args, "receipt");
    const std::string serial = serialArgument(args.positionals()[0]);
    const std::optional<Ledger> ledger = ledgerOf(serial, context);
    if (!ledger) return 1;
    const std::vector<int> shares = sharesArgument(args.positionals()[1], *ledger);
    if (const std::string refused = receiptRefusal(*ledger, shares); !refused.empty()) {
        context.messages.inform(refused);
        return 1;
    }
    const std::vector<ReceiptSlip> slips = loadReceiptSlips(context.workspace, *ledger, shares);
    const auto application = guiApplication();
    if (args.flag("--slip")) {
        std::vector<Slip> rolls;
        for (const ReceiptSlip& slip : slips) rolls.push_back(receiptSlipOf(slip));
        writeDocumentPdf(file, slipDocument(rolls, QStringLiteral("Kvittering for andel")));
    } else {
        writeDocumentPdf(file, receiptDocument(slips));
    }
    return 0;
}

int runPayoutSlip(const Arguments& args, Context& context) {
    args.expectPositionals(2, 2);
    const QString file = pdfOption(args, "payout-slip");
    const std::optional<Ledger> ledger = ledgerOf(serialArgument(args.positionals()[0]), context);
    if (!ledger) return 1;
    const int share = shareArgument(args.positionals()[1], *ledger);
    if (const std::string refused = payoutSlipRefusal(*ledger, share); !refused.empty()) {
        context.messages.inform(refused);
        return 1;
    }
    const std::vector<Slip> slips{
        payoutSlipOf(payoutSlipOf(*ledger, share, readAgentProfile(context.workspace).profile, todayLedgerDate()))};
    const auto application = guiApplication();
    writeDocumentPdf(file, slipDocument(slips, QStringLiteral("Utbetaling av gevinst")));
    return 0;
}

int writeDayReportPdf(const std::string& file, const DayReport& report, bool slip, Context& context) {
    const std::string agent = dayReportAgent(context.workspace);
    const auto application = guiApplication();
    if (slip) {
        const std::vector<Slip> slips{dayReportSlip(report, agent)};
        writeDocumentPdf(QString::fromStdString(file), slipDocument(slips, QString::fromStdString(dayReportTitle(report))));
    } else {
        writeDocumentPdf(QString::fromStdString(file), dayReportDocument(report, agent));
    }
    return 0;
}

}  // namespace andel::cli
