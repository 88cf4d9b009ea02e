#pragma once
// The drawer's report and a settlement as the agent reads them, on the screen and on paper:
// a title and lines of a text and an amount, the sums marked.
#include "books/cash_day.h"

#include <string>
#include <vector>

namespace andel {

struct ReportLine {
    std::string text, amount;
    bool strong = false;  // a sum, or a heading of a part
};

// "Kasserapport 11.12.2026" for the open days, "Dagsoppgjør nr 3" for a settlement.
std::string dayReportTitle(const DayReport& report);
std::vector<ReportLine> dayReportLines(const DayReport& report);

}  // namespace andel
