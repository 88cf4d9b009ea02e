#include "accounts/season.h"

#include <algorithm>
#include <tuple>

namespace andel {

SeasonRow seasonRowOf(const Ledger& ledger, const LedgerWinnings& winnings) {
    const SyndicateFacts& f = ledger.facts;
    SeasonRow row{f.serialNumber, f.week, f.couponType, f.rows, f.stake, f.shares, 0, 0, 0, winnings};
    for (const ShareEntry& e : ledger.entries) {
        if (e.sold()) ++row.sold;
        row.paidIn += e.paid.value_or(0);
        row.paidOut += e.paidOut.value_or(0);
    }
    return row;
}

Season seasonFromRows(std::vector<SeasonRow> rows) {
    std::sort(rows.begin(), rows.end(), [](const SeasonRow& a, const SeasonRow& b) {
        return std::tuple(a.week.year, a.week.week, static_cast<int>(a.couponType), a.serialNumber) <
               std::tuple(b.week.year, b.week.week, static_cast<int>(b.couponType), b.serialNumber);
    });
    Season season{std::move(rows), {}};
    SeasonTotals& t = season.totals;
    for (const SeasonRow& row : season.rows) {
        t.rows += row.rows;
        t.stake += row.stake;
        t.sold += row.sold;
        t.right12 += row.winnings.right12;
        t.right11 += row.winnings.right11;
        t.right10 += row.winnings.right10;
        t.prize += row.winnings.prize;
        t.paidIn += row.paidIn;
        t.unsold += row.shares - row.sold;
        t.paidOut += row.paidOut;
        // Settled only on a result the agent confirmed: a forecast settles nothing.
        if (row.winnings.confirmed) {
            ++t.settled;
            t.settledStake += row.stake;
            t.settledPrize += row.winnings.prize;
        } else {
            ++t.open;
        }
    }
    return season;
}

std::string paidBackText(std::int64_t prize, std::int64_t stake) {
    if (stake <= 0) return "-";
    const std::int64_t tenths = (prize * 1000 + stake / 2) / stake;  // percent × 10
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

}  // namespace andel
