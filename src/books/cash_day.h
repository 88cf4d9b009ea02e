#pragma once
// The agent's day at the counter: the cash drawer as an account of the books ("kasse"),
// change money put in and cash taken out, the report of the day so far (X) and the day's
// settlement (Z, "Dagsoppgjør"), which records the counted cash against what the drawer
// should hold and closes the day for good.
//
// - Cash payments put money in the drawer, cash payouts and refunds take it out; payments
//   from a balance move no cash and are listed beside the drawer, never summed into it.
// - A settlement gets the next number (1, 2, 3 ...), covers the days since the one before,
//   and books the difference between counted and expected into the drawer, so that the
//   drawer then holds what was counted: the next day's opening cash.
// - A closed day never changes: the books refuse an event dated in it, events recorded
//   after the close go to the next day, and an undo of a closed day's event is recorded in
//   the open day naming the day it corrects.
#include "books/journal.h"
#include "books/books_rules.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace andel {

// Notes and coins in the drawer, largest first, in kroner.
inline constexpr int kDenominations[] = {1000, 500, 200, 100, 50, 20, 10, 5, 1};

struct DaySettlement {
    int number = 0;
    LedgerDate from, day;  // the days it covers, both included
    std::int64_t expectedOre = 0, countedOre = 0, differenceOre = 0;
    std::string reason;                 // why the count differs; "" when it does not
    std::map<int, std::int64_t> counts;  // denomination -> pieces, when counted that way
    std::string agent, recordedAt;
    std::int64_t event = 0;
    friend bool operator==(const DaySettlement&, const DaySettlement&) = default;
};

// Cash in or out of the drawer for one syndicate over the days of a report.
struct SyndicateCash {
    std::string serial;
    GameWeek week;
    std::int64_t inOre = 0, outOre = 0;  // net of undos
    friend bool operator==(const SyndicateCash&, const SyndicateCash&) = default;
};

// A line of a report that is not a syndicate's sum: a deposit, a withdrawal, a refund, an
// opening of the drawer by hand, or a movement that moved no cash.
struct CashMovement {
    LedgerDate on;
    std::string what;  // "Innskudd", "Uttak", "Tilbakebetalt", "Betalt fra saldo" ...
    std::string serial;
    int share = 0;
    std::string customer;
    std::int64_t amountOre = 0;
    std::string note;
    friend bool operator==(const CashMovement&, const CashMovement&) = default;
};

struct DayReport {
    LedgerDate from, to;
    std::optional<DaySettlement> settlement;  // the one that closed these days, if any
    std::int64_t openingOre = 0;              // the drawer before `from`
    std::vector<SyndicateCash> syndicates;
    std::int64_t cashInOre = 0, cashOutOre = 0, refundsOre = 0, depositsOre = 0, withdrawalsOre = 0;
    std::vector<CashMovement> movements;  // deposits, withdrawals, refunds, drawer openings
    std::vector<CashMovement> nonCash;    // listed, not summed into the drawer
    // What the drawer should hold at the end of `to` (before a settlement's difference).
    std::int64_t expectedOre() const {
        return openingOre + cashInOre - cashOutOre - refundsOre + depositsOre - withdrawalsOre;
    }
    friend bool operator==(const DayReport&, const DayReport&) = default;
};

// Reads, inside a read() or write() of the journal.
std::optional<DaySettlement> lastSettlement(Journal& journal);
std::vector<DaySettlement> daySettlements(Journal& journal);  // oldest first
std::optional<DaySettlement> daySettlement(Journal& journal, int number);
// The day the books record on: today, or the day after the last settlement when that
// closed today already.
LedgerDate openBusinessDay(Journal& journal, const LedgerDate& today);
// The movements of the days from..to; the report of the open days when no day is given.
DayReport dayReport(Journal& journal, const LedgerDate& from, const LedgerDate& to);
DayReport openDaysReport(Journal& journal, const LedgerDate& today);
// What the drawer should hold now.
std::int64_t drawerNowOre(Journal& journal);

// Changes; each returns "" when recorded, else the refusal (nothing recorded then).
std::string depositInBooks(Journal& journal, const Clerk& clerk, std::int64_t kroner, const std::string& note);
std::string withdrawInBooks(Journal& journal, const Clerk& clerk, std::int64_t kroner, const std::string& note);
// Settles the open days through today with the counted cash (kroner); a difference needs a
// reason. `counts`, when given, must add up to `countedKroner`. `number` gets the
// settlement's number.
std::string closeDayInBooks(Journal& journal, const Clerk& clerk, std::int64_t countedKroner, const std::string& reason,
                            const std::map<int, std::int64_t>& counts = {}, int* number = nullptr);
// The drawer opened by hand, with why.
std::string drawerOpenedInBooks(Journal& journal, const Clerk& clerk, const std::string& note);

// What an event of the drawer alone (deposit, withdrawal, settlement) does to the accounts:
// the postings it records and the check's fold of it.
void addCashEventBalances(const BookEvent& event, Balances& balances);

// "kr 1.234" with a minus for less than zero; øre only when there are any ("kr 12,50").
std::string oreText(std::int64_t ore);

}  // namespace andel
