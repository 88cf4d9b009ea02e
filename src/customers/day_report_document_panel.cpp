#include "customers/day_report_document_panel.h"

#include "accounts/day_report_text.h"
#include "customers/customer_print_window.h"
#include "model/text.h"
#include "printing/document_print_dialog.h"
#include "printing/inch_text.h"
#include "printing/slip_output_panel.h"
#include "settings/agent_profile.h"

#include <memory>

namespace andel {
namespace {

// Inches on the printable part of an A4 page.
constexpr double kLeft = 0.5, kAmountRight = 6.2, kTop = 1.2, kLineHeight = 0.2, kFooterTop = 10.95;
constexpr std::size_t kLinesPerPage = 45;
const Font kTitleFont{"Arial", 16, true}, kTextFont{"Arial", 10, false}, kStrongFont{"Arial", 10, true};

}  // namespace

std::string dayReportAgent(const Workspace& workspace) {
    const AgentProfile profile = readAgentProfile(workspace).profile;
    return trimBlanks(trimBlanks(profile.agentNumber) + " " + trimBlanks(profile.companyName));
}

Slip dayReportSlip(const DayReport& report, const std::string& agent) {
    Slip slip;
    slip.heading(dayReportTitle(report));
    if (!agent.empty()) slip.text(agent);
    slip.rule();
    for (const ReportLine& line : dayReportLines(report)) {
        if (line.amount.empty()) slip.text(line.text);
        else if (line.strong) slip.total(line.text, line.amount);
        else slip.field(line.text, line.amount);
    }
    return slip;
}

InchDocument dayReportDocument(const DayReport& report, const std::string& agent) {
    auto lines = std::make_shared<std::vector<ReportLine>>(dayReportLines(report));
    const std::size_t pages = std::max<std::size_t>(1, (lines->size() + kLinesPerPage - 1) / kLinesPerPage);
    const std::string title = dayReportTitle(report);
    return {QString::fromStdString(title), pages, [lines, pages, title, agent](InchCanvas& canvas, std::size_t page) {
                canvas.setup(1.0);
                canvas.setFont(kTitleFont);
                textAt(canvas, kLeft, 0.3, title);
                canvas.setFont(kTextFont);
                textAt(canvas, kLeft, 0.75, agent);
                const std::size_t first = page * kLinesPerPage, last = std::min(lines->size(), first + kLinesPerPage);
                for (std::size_t i = first; i < last; ++i) {
                    const ReportLine& line = (*lines)[i];
                    const double y = kTop + static_cast<double>(i - first) * kLineHeight;
                    canvas.setFont(line.strong ? kStrongFont : kTextFont);
                    textAt(canvas, kLeft, y, line.text);
                    if (!line.amount.empty()) rightTextAt(canvas, kAmountRight, y, line.amount);
                }
                canvas.setFont(kTextFont);
                rightTextAt(canvas, kAmountRight, kFooterTop, "Side " + std::to_string(page + 1) + " av " + std::to_string(pages));
            }};
}

void printDayReport(QWidget* parent, const Workspace& workspace, const DayReport& report, bool slip, Messages& messages) {
    const std::string agent = dayReportAgent(workspace);
    const PrintChoiceDialog::Wording wording{QStringLiteral("Skriver ut ") + QString::fromStdString(dayReportTitle(report)),
                                             QStringLiteral("Forhåndsvisning av kasserapporten"), "kasserapporten",
                                             QStringLiteral("kasserapport.pdf")};
    if (!slip) {
        printThroughChoice(parent, dayReportDocument(report, agent), wording, messages);
        return;
    }
    const std::vector<Slip> slips{dayReportSlip(report, agent)};
    if (printOnReceiptPrinter(parent, workspace, messages, slips, false, "Oppgjøret er registrert")) return;
    printThroughChoice(parent, slipDocument(slips, QString::fromStdString(dayReportTitle(report))), wording, messages);
}

}  // namespace andel
