#pragma once
// The drawer's report and a settlement on paper: A4 pages through the print choice, or a
// slip 80 mm wide on the receipt printer (through the print choice while none is chosen).
#include "books/cash_day.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "printing/page_output_panel.h"
#include "printing/slip.h"

#include <string>

class QWidget;

namespace andel {

// The agent's number and company, as they head the paper.
std::string dayReportAgent(const Workspace& workspace);
// `agent` heads the paper.
Slip dayReportSlip(const DayReport& report, const std::string& agent);
// The report must outlive the document.
InchDocument dayReportDocument(const DayReport& report, const std::string& agent);

void printDayReport(QWidget* parent, const Workspace& workspace, const DayReport& report, bool slip, Messages& messages);

}  // namespace andel
