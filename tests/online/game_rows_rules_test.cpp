// The rules of online_games.md, one small rows file each: a blank line holds no row and is
// skipped in every section of every game (under "#ENKELREKKER" it takes none of a coupon's
// ten places, where a line of zeros takes one), and every reason a line is left out is
// named with its line number.
#include "online/game_rows.h"
#include "online/online_fixtures.h"
#include "online/rows_file_body.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

std::vector<std::string> body(const std::vector<std::string>& lines) {
    return rowsFileLines(defaultHeaderValues(), lines);
}

// Rows a coupon holds, coupon by coupon.
std::vector<std::size_t> rowsPerCoupon(const GameRows& rows) {
    std::vector<std::size_t> counts;
    for (const GameCoupon& coupon : rows.coupons) counts.push_back(coupon.rowFields.size());
    return counts;
}

std::vector<std::string> times(std::size_t count, const std::string& line) { return {count, line}; }

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(GameRowsRulesTest, ABlankLineIsSkippedInEverySectionOfEveryGame) {
    const std::string extraRow = "0001 03 06 12 17 21 29 34";
    const struct {
        const char* what;
        const char* game;
        std::vector<std::string> lines;
        std::vector<std::size_t> coupons;
    } cases[] = {
        {"EXTRA single rows: ten rows and a blank line are one coupon", "EXTRA",
         std::vector<std::string>{"#SYSTEMKUPONGER", "#ENKELREKKER"} + times(5, extraRow) + std::vector<std::string>{""} +
             times(5, extraRow),
         {10}},
        {"EXTRA single rows: a line of zeros takes a place", "EXTRA",
         std::vector<std::string>{"#SYSTEMKUPONGER", "#ENKELREKKER"} + times(5, extraRow) +
             std::vector<std::string>{"0000 00 00 00 00 00 00 00"} + times(5, extraRow),
         {9, 1}},
        {"EXTRA system lines", "EXTRA",
         {"#SYSTEMKUPONGER", "", "0008 02 07 11 15 22 28 31 35", "   ", "#ENKELREKKER"}, {1}},
        {"LOTTO rows", "LOTTO", {"#REKKER", "", "03 07 12 18 24 29 33", " ", "34 01 05 09 14 22 27"}, {2}},
        {"ODDS bets", "ODDS", {"#REKKER", "014 H 0050", "", "015 U 0020"}, {2}},
        {"ODDSBOMBEN blocks and single rows", "ODDSBOMBEN",
         std::vector<std::string>{"#SYSTEMKUPONGER", "", "SYSTEMKUPONGNR 1", "", "0006 7344444412", "",
                                  "#ENKELREKKER"} +
             times(9, "0001 4412441244") + std::vector<std::string>{"", "0001 4412441244"},
         {1, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const GameRows rows = readGameRows(*findOnlineGame(c.game), body(c.lines));
        EXPECT_EQ(rowsPerCoupon(rows), c.coupons);
        EXPECT_EQ(rows.problems, std::vector<std::string>{});
    }
}

TEST(GameRowsRulesTest, ABlankLineTakesNoPlaceAmongTippingsSingleRows) {
    const std::string row = "0001 444444444444";
    const RowsFileBody parsed = parseRowsFileBody(
        body(std::vector<std::string>{"#SYSTEMKUPONGER", "#ENKELREKKER"} + times(4, row) +
             std::vector<std::string>{"", "  "} + times(6, row) + std::vector<std::string>{"0000 000000000000", row}));
    ASSERT_EQ(parsed.singleRowGroups.size(), 2u);
    EXPECT_EQ(parsed.singleRowGroups[0].size(), 10u);
    EXPECT_EQ(parsed.singleRowGroups[1].size(), 1u);
}

// The reasons not shown by the whole-file tests, each with its message.
TEST(GameRowsRulesTest, OddsbombenRowsThatCannotBeWrittenAreNamed) {
    const struct {
        const char* row;
        const char* problem;
    } cases[] = {
        {"0001 4412441244", "Linje 35: en systemrekke må stå for mer enn én rekke"},
        {"9999 7777777774", "Linje 35: rekken står for over 9999 rekker"},
        {"0007 7344444412", "Linje 35: radantallet 0007 skal være 0006"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const GameRows rows = readGameRows(*findOnlineGame("ODDSBOMBEN"),
                                           body({"#SYSTEMKUPONGER", "SYSTEMKUPONGNR 1", c.row, "0006 7344444412",
                                                 "#ENKELREKKER"}));
        EXPECT_EQ(rows.problems, std::vector<std::string>{c.problem});
        EXPECT_EQ(rowsPerCoupon(rows), std::vector<std::size_t>{1});
    }
}

// The message box names five lines; the command-line tool asks for every one.
TEST(GameRowsRulesTest, EveryLineLeftOutCanBeNamed) {
    const OnlineGame& lotto = *findOnlineGame("LOTTO");
    const GameRows rows = readGameRows(lotto, body(std::vector<std::string>{"#REKKER"} + times(7, "x")));
    ASSERT_EQ(rows.problems.size(), 7u);
    const std::string boxed = gameRowsMessages(lotto, rows).at(0);
    EXPECT_NE(boxed.find("Linje 38: "), std::string::npos);
    EXPECT_EQ(boxed.find("Linje 39: "), std::string::npos);
    EXPECT_NE(boxed.find("... og 2 linjer til"), std::string::npos);
    const std::string all = gameRowsMessages(lotto, rows, rows.problems.size()).at(0);
    for (const std::string& problem : rows.problems) EXPECT_NE(all.find(problem), std::string::npos) << problem;
    EXPECT_EQ(all.find("... og"), std::string::npos);
}

}  // namespace
}  // namespace andel::test
