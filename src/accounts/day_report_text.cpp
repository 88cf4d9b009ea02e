#include "accounts/day_report_text.h"

#include "model/text.h"

namespace andel {
namespace {

std::string daysText(const DayReport& report) {
    if (report.from == report.to) return ledgerDateText(report.to);
    return ledgerDateText(report.from) + " – " + ledgerDateText(report.to);
}

}  // namespace

std::string dayReportTitle(const DayReport& report) {
    if (report.settlement) return "Dagsoppgjør nr " + std::to_string(report.settlement->number);
    return "Kasserapport " + daysText(report);
}

std::vector<ReportLine> dayReportLines(const DayReport& report) {
    std::vector<ReportLine> lines;
    const auto add = [&](std::string text, std::optional<std::int64_t> ore = std::nullopt, bool strong = false) {
        lines.push_back({std::move(text), ore ? oreText(*ore) : std::string(), strong});
    };
    add((report.from == report.to ? "Dag: " : "Dager: ") + daysText(report));
    if (report.settlement) add("Avsluttet " + report.settlement->recordedAt + " av " + report.settlement->agent);
    add("Inngående kasse", report.openingOre, true);
    const auto syndicateLines = [&](const char* heading, bool in, std::int64_t total) {
        bool any = false;
        for (const SyndicateCash& cash : report.syndicates) {
            const std::int64_t ore = in ? cash.inOre : cash.outOre;
            if (ore == 0) continue;
            if (!any) add(heading);
            any = true;
            add("  " + cash.serial + " " + weekText(cash.week), ore);
        }
        add(std::string("Sum ") + (in ? "innbetalt" : "utbetalt"), total, true);
    };
    syndicateLines("Innbetalt for andeler", true, report.cashInOre);
    syndicateLines("Utbetalt gevinst", false, report.cashOutOre);
    for (const CashMovement& m : report.movements) {
        add(m.what + (m.note.empty() ? "" : ": " + m.note) + (report.from == report.to ? "" : " (" + ledgerDateText(m.on) + ")"),
            m.amountOre);
    }
    add("Skal være i kassen", report.expectedOre(), true);
    if (const auto& s = report.settlement) {
        for (const auto& [value, pieces] : s->counts) {
            if (pieces != 0) add("  " + std::to_string(pieces) + " x kr " + formatAmount(value), value * pieces * kOrePerKrone);
        }
        add("Talt", s->countedOre, true);
        add("Differanse", s->differenceOre, true);
        if (!s->reason.empty()) add("Grunn: " + s->reason);
    }
    if (!report.nonCash.empty()) {
        add("Uten kontanter (ikke med i kassen)");
        for (const CashMovement& m : report.nonCash) {
            add("  " + m.what + " " + m.serial + " andel " + std::to_string(m.share), m.amountOre);
        }
    }
    return lines;
}

}  // namespace andel
