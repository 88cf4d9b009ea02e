// A customer's statement: the round's day that places a share in a period, the balance
// carried through the lines, and the pages the lines print on.
#include "customers/statement.h"
#include "customers/statement_drawing.h"
#include "model/text.h"
#include "printing/recording_canvas.h"

#include <gtest/gtest.h>

#include <chrono>

namespace andel::test {
namespace {

TEST(Statement, TheRoundIsPlayedOnTheCouponsDayOfItsGameWeek) {
    struct Case {
        GameWeek week;
        CouponType type;
        LedgerDate played;
    };
    const Case cases[] = {
        {{10, 2009, {}}, CouponType::Saturday, {7, 3, 2009}},
        {{1, 2026, {}}, CouponType::Midweek, {31, 12, 2025}},  // week 1 begins in the old year
        {{53, 2020, {}}, CouponType::Sunday, {3, 1, 2021}},    // and the last week ends in the new
    };
    for (const Case& c : cases) EXPECT_EQ(roundDate(c.week, c.type), c.played) << weekText(c.week);
    // Every week of some years lands in its own game week, whatever the coupon.
    for (int year = 2019; year <= 2027; ++year) {
        for (int week = 1; week <= 52; ++week) {
            for (CouponType type : {CouponType::Saturday, CouponType::Sunday, CouponType::Midweek}) {
                const LedgerDate d = roundDate({week, year, {}}, type);
                const GameWeek back = gameWeekOf(std::chrono::year_month_day{
                    std::chrono::year{d.year}, std::chrono::month{static_cast<unsigned>(d.month)},
                    std::chrono::day{static_cast<unsigned>(d.day)}});
                ASSERT_EQ(back.week * 10000 + back.year, week * 10000 + year) << ledgerDateText(d);
            }
        }
    }
}

AccountShare share(int week, int number, std::int64_t price, std::optional<std::int64_t> paid,
                   std::optional<std::int64_t> winnings = {}, std::optional<std::int64_t> paidOut = {}) {
    AccountShare s;
    s.serialNumber = std::to_string(1000 + week);
    s.week = {week, 2026, {}};
    s.share = number;
    s.price = price;
    s.paid = paid;
    if (paid) s.paidOn = LedgerDate{2, 1, 2026};
    s.winnings = winnings;
    s.paidOut = paidOut;
    return s;
}

// A season of a regular: three shares a week, the last one of each week unpaid, a win in
// every tenth week of which half is paid out.
CustomerAccount yearOfShares() {
    CustomerAccount account;
    for (int week = 1; week <= 52; ++week) {
        for (int n = 1; n <= 3; ++n) {
            const bool won = week % 10 == 0;
            account.shares.push_back(share(week, n, 146, n < 3 ? std::optional<std::int64_t>(146) : std::nullopt,
                                           won ? std::optional<std::int64_t>(1000) : std::nullopt,
                                           won ? std::optional<std::int64_t>(500) : std::nullopt));
            const AccountShare& s = account.shares.back();
            account.unpaid += s.price - s.paid.value_or(0);
            account.winningsDue += s.winnings.value_or(0) - s.paidOut.value_or(0);
            account.spendable += s.winnings.value_or(0) - s.paidOut.value_or(0);
        }
    }
    return account;
}

TEST(Statement, AllRoundsCloseOnTheAccountsBalanceWithTheRunningBalanceOnEveryLine) {
    const CustomerAccount account = yearOfShares();
    const Statement statement = makeStatement(account, {});
    ASSERT_EQ(statement.lines.size(), account.shares.size());
    EXPECT_EQ(statement.openingBalance, 0);
    EXPECT_EQ(statement.closingBalance, account.balance() - account.unpaid) << "what the customer and the agent settle";
    std::int64_t running = 0;
    for (const StatementLine& line : statement.lines) {
        running += balanceOf(line.share);
        EXPECT_EQ(line.balance, running);
    }
    EXPECT_EQ(statement.totals.price, 156 * 146);
    EXPECT_EQ(statement.totals.paid, 104 * 146);
    EXPECT_EQ(statement.totals.winnings, 15 * 1000);
    EXPECT_EQ(statement.totals.paidOut, 15 * 500);
}

TEST(Statement, APeriodTakesTheRoundsInsideItAndCarriesTheEarlierBalanceIn) {
    const CustomerAccount account = yearOfShares();
    // Saturdays of weeks 10 and 20: both ends are in the period.
    const StatementPeriod period{roundDate({10, 2026, {}}, CouponType::Saturday), roundDate({20, 2026, {}}, CouponType::Saturday)};
    const Statement statement = makeStatement(account, period);
    ASSERT_EQ(statement.lines.size(), 33u);
    EXPECT_EQ(statement.lines.front().share.week.week, 10);
    EXPECT_EQ(statement.lines.back().share.week.week, 20);
    std::int64_t before = 0, inside = 0;
    for (const AccountShare& s : account.shares) {
        if (s.week.week < 10) before += balanceOf(s);
        else if (s.week.week <= 20) inside += balanceOf(s);
    }
    EXPECT_EQ(statement.openingBalance, before);
    EXPECT_EQ(statement.closingBalance, before + inside);
    EXPECT_EQ(statement.totals.price, 33 * 146);

    EXPECT_EQ(makeStatement(account, {LedgerDate{1, 1, 2027}, std::nullopt}).lines.size(), 0u);
    EXPECT_EQ(makeStatement(account, {LedgerDate{1, 1, 2027}, std::nullopt}).closingBalance, account.balance() - account.unpaid);
    EXPECT_EQ(makeStatement(account, {std::nullopt, roundDate({2, 2026, {}}, CouponType::Saturday)}).lines.size(), 6u);
}

TEST(Statement, PeriodTexts) {
    const LedgerDate a{1, 1, 2026}, b{31, 12, 2026};
    EXPECT_EQ(periodText({}), "Alle runder");
    EXPECT_EQ(periodText({a, std::nullopt}), "Fra 01.01.2026");
    EXPECT_EQ(periodText({std::nullopt, b}), "Til 31.12.2026");
    EXPECT_EQ(periodText({a, b}), "01.01.2026 \u2013 31.12.2026");
}

std::vector<std::size_t> lineCounts(const std::vector<StatementPage>& pages) {
    std::vector<std::size_t> counts;
    for (const StatementPage& page : pages) counts.push_back(page.lineCount);
    return counts;
}

TEST(StatementPages, TheTotalsNeverStandAloneOnAPage) {
    const StatementPageRoom room{3, 4, 2};
    struct Case {
        std::size_t lines;
        std::vector<std::size_t> pages;
    };
    const Case cases[] = {
        {0, {0}}, {1, {1}}, {2, {1, 1}}, {3, {2, 1}}, {4, {3, 1}}, {5, {3, 2}}, {6, {3, 2, 1}}, {9, {3, 4, 2}}, {10, {3, 4, 2, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(lineCounts(statementPages(c.lines, room)), c.pages) << c.lines << " lines";
}

TEST(StatementPages, EveryLineOnceInOrderWithinEachPagesRoom) {
    const StatementPageRoom room = statementPageRoom();
    ASSERT_GT(room.otherPages, room.firstPage);
    ASSERT_GT(room.firstPage, room.totals);
    for (std::size_t lines : {std::size_t{0}, std::size_t{1}, std::size_t(room.firstPage - room.totals),
                              std::size_t(room.firstPage - room.totals + 1), std::size_t(room.firstPage + 1), std::size_t{156}}) {
        const std::vector<StatementPage> pages = statementPages(lines, room);
        std::size_t next = 0;
        for (const StatementPage& page : pages) {
            EXPECT_EQ(page.firstLine, next);
            EXPECT_LE(page.lineCount, std::size_t(page.number == 1 ? room.firstPage : room.otherPages));
            EXPECT_EQ(page.pages, static_cast<int>(pages.size()));
            next += page.lineCount;
        }
        EXPECT_EQ(next, lines);
        const StatementPage& last = pages.back();
        EXPECT_LE(last.lineCount + room.totals, std::size_t(last.number == 1 ? room.firstPage : room.otherPages));
        if (lines > 0) {
            EXPECT_GT(last.lineCount, 0u);
        }
    }
}

TEST(StatementDrawing, AYearPrintsEveryShareOnceWithPageNumbersAndTheClosingBalanceLast) {
    Statement statement = makeStatement(yearOfShares(), {});
    statement.customer.name = "Kari Nordmann";
    statement.customer.playerNumber = "123 456 789";
    const std::vector<StatementPage> pages = statementPages(statement.lines.size(), statementPageRoom());
    ASSERT_GT(pages.size(), 2u);
    std::size_t serials = 0;
    for (const StatementPage& page : pages) {
        RecordingCanvas canvas;
        drawStatementPage(canvas, statement, page);
        EXPECT_EQ(canvas.texts(pageNumberText(page)).size(), 1u);
        EXPECT_EQ(canvas.texts("KONTOUTSKRIFT").size(), page.number == 1 ? 1u : 0u);
        const int footerTop = canvas.firstTextStartingWith("Side ").rect.top;
        for (const CanvasOp& op : canvas.ops()) {
            if (op.kind != CanvasOp::Kind::Text) continue;
            if (op.text.size() == 4 && op.text.starts_with("10")) ++serials;
            EXPECT_LE(op.rect.right, canvas.pageMetrics().pageWidth) << op.text;
            if (!op.text.starts_with("Side ")) {
                EXPECT_LT(op.rect.top, footerTop) << op.text;
            }
        }
        EXPECT_EQ(canvas.texts("Kunden skylder").size(), page.last() ? 1u : 0u);
        if (page.last()) {
            EXPECT_EQ(canvas.texts("kr " + formatAmount(-statement.closingBalance)).size(), 1u);
        }
    }
    EXPECT_EQ(serials, statement.lines.size());
}

TEST(StatementDrawing, AnUnpaidShareSaysSoAndAnEmptyPeriodPrintsOnePage) {
    CustomerAccount account;
    account.shares.push_back(share(5, 2, 146, std::nullopt));
    RecordingCanvas canvas;
    const Statement statement = makeStatement(account, {});
    drawStatementPage(canvas, statement, statementPages(1, statementPageRoom()).front());
    EXPECT_EQ(canvas.texts("ikke betalt").size(), 1u);
    EXPECT_EQ(canvas.texts("-146").size(), 1u);  // the balance after the line
    EXPECT_EQ(canvas.texts("kr 146").size(), 1u);
    EXPECT_EQ(canvas.texts("Side 1 av 1").size(), 1u);

    RecordingCanvas empty;
    const Statement none = makeStatement(account, {LedgerDate{1, 6, 2026}, std::nullopt});
    drawStatementPage(empty, none, statementPages(0, statementPageRoom()).front());
    EXPECT_EQ(empty.texts("Kunden har ingen andeler med runde i perioden.").size(), 1u);
    EXPECT_EQ(empty.texts("Kunden skylder").size(), 1u);  // the earlier unpaid share is still owed
}

}  // namespace
}  // namespace andel::test
