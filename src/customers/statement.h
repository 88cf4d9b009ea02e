#pragma once
// A customer's statement ("Kontoutskrift") for a period: the shares of the account whose
// round lies in the period, each with the balance after it, and the pages they print on.
// The balance carries in from the shares before the period, so the closing balance is
// what the customer and the agent settle for everything up to the period's end.
#include "accounts/sale_deadline.h"
#include "customers/customer_account.h"
#include "settings/agent_profile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace andel {

// Both ends are included; a missing end leaves the period open on that side.
struct StatementPeriod {
    std::optional<LedgerDate> from, to;
    // The day the figures stand on: the books as they were at its end; none: as they are now.
    std::optional<LedgerDate> asOf;
};

// A ledger keeps no dates of its own but those of payments, which an unpaid share lacks,
// so the round's day (roundDate) is what places every share in a period.
bool inPeriod(const LedgerDate& date, const StatementPeriod& period);
// "Alle runder", "Fra 01.01.2026", "Til 31.12.2026" or "01.01.2026 – 31.12.2026".
std::string periodText(const StatementPeriod& period);

// What a share adds to the balance: its confirmed winnings not yet paid out less what
// is not yet paid of its price.
std::int64_t balanceOf(const AccountShare& share);

struct StatementLine {
    AccountShare share;
    std::int64_t balance = 0;  // after this share
};

struct StatementTotals {
    std::int64_t price = 0, paid = 0, winnings = 0, paidOut = 0;
};

struct Statement {
    AgentProfile agent;
    ShareEntry customer;  // name, telephone and player number as the heading shows them
    StatementPeriod period;
    LedgerDate printedOn;
    std::int64_t openingBalance = 0;  // the shares before the period
    std::vector<StatementLine> lines;
    StatementTotals totals;  // of the lines
    std::int64_t closingBalance = 0;
};

Statement makeStatement(const CustomerAccount& account, const StatementPeriod& period);

// The lines each page holds: the first page less than the others, as it carries the
// agent and the customer; the last needs room for the totals below its lines.
struct StatementPageRoom {
    int firstPage = 0, otherPages = 0, totals = 0;
};

struct StatementPage {
    int number = 1, pages = 1;
    std::size_t firstLine = 0, lineCount = 0;
    bool last() const { return number == pages; }
};

// At least one page, the totals always with at least one line above them (none only
// when the period holds no share).
std::vector<StatementPage> statementPages(std::size_t lines, const StatementPageRoom& room);

// "Side 1 av 3"
std::string pageNumberText(const StatementPage& page);

}  // namespace andel
