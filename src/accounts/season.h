#pragma once
// The season: every syndicate with a ledger that is not voided, oldest week first, with
// its stake, sales, correct counts and prize, and the totals over all of them. What was
// paid back and the result count only the rounds whose result is known; the others are
// counted as open.
#include "books/ledger.h"
#include "books/ledger_winnings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace andel {

struct SeasonRow {
    std::string serialNumber;
    GameWeek week;
    CouponType couponType = CouponType::Saturday;
    std::int64_t rows = 0, stake = 0;
    int shares = 0, sold = 0;
    std::int64_t paidIn = 0, paidOut = 0;  // what buyers paid for their shares, and what was paid out to them
    LedgerWinnings winnings;
};

struct SeasonTotals {
    std::int64_t rows = 0, stake = 0, prize = 0;
    std::int64_t sold = 0, right12 = 0, right11 = 0, right10 = 0;
    int settled = 0, open = 0;                     // rounds with and without a confirmed result
    std::int64_t settledStake = 0, settledPrize = 0;  // over the settled rounds only
    std::int64_t paidIn = 0, unsold = 0, paidOut = 0;
};

struct Season {
    std::vector<SeasonRow> rows;  // oldest week first
    SeasonTotals totals;
};

// The ledgers (in any order; voided ones are left out) with their winnings, looked up by
// `winningsOf(ledger)`.
template <class WinningsOf>
Season seasonOf(const std::vector<Ledger>& ledgers, WinningsOf&& winningsOf);

// Builds the season from rows already carrying their winnings; sorts and sums them.
Season seasonFromRows(std::vector<SeasonRow> rows);

// "12,5": prize × 100 / stake with one decimal, rounded half up; "-" without a stake.
std::string paidBackText(std::int64_t prize, std::int64_t stake);

SeasonRow seasonRowOf(const Ledger& ledger, const LedgerWinnings& winnings);

template <class WinningsOf>
Season seasonOf(const std::vector<Ledger>& ledgers, WinningsOf&& winningsOf) {
    std::vector<SeasonRow> rows;
    rows.reserve(ledgers.size());
    for (const Ledger& ledger : ledgers) {
        if (!ledger.voided) rows.push_back(seasonRowOf(ledger, winningsOf(ledger)));
    }
    return seasonFromRows(std::move(rows));
}

}  // namespace andel
