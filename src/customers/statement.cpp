#include "customers/statement.h"

#include <algorithm>
#include <tuple>

namespace andel {
namespace {

bool earlier(const LedgerDate& a, const LedgerDate& b) {
    return std::tuple(a.year, a.month, a.day) < std::tuple(b.year, b.month, b.day);
}

}  // namespace

bool inPeriod(const LedgerDate& date, const StatementPeriod& period) {
    return !(period.from && earlier(date, *period.from)) && !(period.to && earlier(*period.to, date));
}

std::string periodText(const StatementPeriod& period) {
    if (period.from && period.to) return ledgerDateText(*period.from) + " \u2013 " + ledgerDateText(*period.to);
    if (period.from) return "Fra " + ledgerDateText(*period.from);
    if (period.to) return "Til " + ledgerDateText(*period.to);
    return "Alle runder";
}

std::int64_t balanceOf(const AccountShare& share) {
    const std::int64_t due = share.winnings ? std::max<std::int64_t>(0, *share.winnings - share.paidOut.value_or(0)) : 0;
    return due - std::max<std::int64_t>(0, share.price - share.paid.value_or(0));
}

Statement makeStatement(const CustomerAccount& account, const StatementPeriod& period) {
    Statement statement;
    statement.period = period;
    for (const AccountShare& share : account.shares) {
        const LedgerDate played = roundDate(share.week, share.couponType);
        if (!inPeriod(played, period)) {
            if (period.from && earlier(played, *period.from)) statement.openingBalance += balanceOf(share);
            continue;
        }
        StatementTotals& t = statement.totals;
        t.price += share.price;
        t.paid += share.paid.value_or(0);
        t.winnings += share.winnings.value_or(0);
        t.paidOut += share.paidOut.value_or(0);
        const std::int64_t previous = statement.lines.empty() ? statement.openingBalance : statement.lines.back().balance;
        statement.lines.push_back({share, previous + balanceOf(share)});
    }
    statement.closingBalance = statement.lines.empty() ? statement.openingBalance : statement.lines.back().balance;
    return statement;
}

std::vector<StatementPage> statementPages(std::size_t lines, const StatementPageRoom& room) {
    std::vector<StatementPage> pages;
    std::size_t placed = 0;
    while (true) {
        const std::size_t capacity = static_cast<std::size_t>(pages.empty() ? room.firstPage : room.otherPages);
        const std::size_t left = lines - placed;
        const std::size_t withTotals = capacity - std::min(capacity, static_cast<std::size_t>(room.totals));
        StatementPage page;
        page.number = static_cast<int>(pages.size()) + 1;
        page.firstLine = placed;
        if (left <= withTotals) {
            page.lineCount = left;
            pages.push_back(page);
            break;
        }
        // The rest fills this page but leaves no room for the totals: the last line goes
        // over with them, so the totals never stand alone.
        page.lineCount = left > capacity ? capacity : std::max<std::size_t>(left - 1, 1);
        placed += page.lineCount;
        pages.push_back(page);
    }
    for (StatementPage& page : pages) page.pages = static_cast<int>(pages.size());
    return pages;
}

std::string pageNumberText(const StatementPage& page) {
    return "Side " + std::to_string(page.number) + " av " + std::to_string(page.pages);
}

}  // namespace andel
