#include "model/game_week.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace andel {
namespace {

using namespace std::chrono;

TEST(GameWeekTest, TextHasLeadingBlankTwoDigitWeekAndYear) {
    EXPECT_EQ(gameWeekText(GameWeek{5, 2000, {}}), " UKE 05 -2000");
    EXPECT_EQ(gameWeekText(GameWeek{53, 2009, {}}), " UKE 53 -2009");
    EXPECT_EQ(gameWeekText(GameWeek{}), " UKE 00 -1999");
}

TEST(GameWeekTest, Parse) {
    struct Case {
        const char* text;
        GameWeek week;
    };
    const Case cases[] = {
        {" UKE 05 -2000", {5, 2000, ""}},
        {"UKE 5-2000", {5, 2000, ""}},
        {" UKE 05 _2000", {5, 2000, ""}},
        {" UKE 12 -2001B", {12, 2001, "B"}},
        {"A UKE 12 -2001 C", {12, 2001, "AC"}},
        {" UKE 53 -2009D", {53, 2009, ""}},  // only A to C make a suffix
        {"", {0, 1999, ""}},
        {" UKE 07", {7, 1999, ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseGameWeek(c.text), c.week) << '"' << c.text << '"';
}

TEST(GameWeekTest, SelectableListRunsFromNextYearDownTo1995) {
    const std::vector<std::string> weeks = selectableGameWeeks(2026);
    ASSERT_FALSE(weeks.empty());
    EXPECT_EQ(weeks.front(), " UKE 53 -2027");
    EXPECT_EQ(weeks[1], " UKE 52 -2027");
    EXPECT_EQ(weeks.back(), " UKE 01 -1995");
    EXPECT_EQ(weeks.size(), 33u * 53 - 1);
    EXPECT_EQ(std::count(weeks.begin(), weeks.end(), " UKE 53 -2010"), 0);
    const auto week1of2011 = std::find(weeks.begin(), weeks.end(), " UKE 01 -2011");
    ASSERT_NE(week1of2011, weeks.end());
    EXPECT_EQ(*(week1of2011 + 1), " UKE 52 -2010");
    for (const std::string& text : weeks) EXPECT_EQ(gameWeekText(parseGameWeek(text)), text);
}

TEST(GameWeekTest, IsoWeekOfDate) {
    struct Case {
        year_month_day date;
        int week, year;
    };
    const Case cases[] = {
        {2002y / December / 31, 1, 2003}, {2010y / January / 1, 53, 2009}, {2005y / January / 2, 53, 2004},
        {2008y / December / 29, 1, 2009}, {2026y / December / 10, 50, 2026}, {2024y / July / 15, 29, 2024},
        {1995y / January / 1, 52, 1994},  {2020y / December / 31, 53, 2020},
    };
    for (const Case& c : cases) {
        const GameWeek week = gameWeekOf(c.date);
        EXPECT_EQ(week.week, c.week) << static_cast<int>(c.date.year()) << "-" << unsigned(c.date.month()) << "-"
                                     << unsigned(c.date.day());
        EXPECT_EQ(week.year, c.year);
    }
}

// Day by day: the week changes on Mondays only, by one, or to week 1 of the next year
// from week 52 or 53; and 4 January always lies in week 1.
TEST(GameWeekTest, IsoWeeksAdvanceOnMondaysOnly) {
    const sys_days first{1994y / December / 1}, last{2031y / January / 31};
    GameWeek previous = gameWeekOf(year_month_day{first});
    for (sys_days day = first + days{1}; day <= last; day += days{1}) {
        const year_month_day date{day};
        const GameWeek week = gameWeekOf(date);
        if (weekday{day} != Monday) {
            ASSERT_EQ(week, previous) << static_cast<int>(date.year()) << "-" << unsigned(date.month());
        } else if (week.year == previous.year) {
            ASSERT_EQ(week.week, previous.week + 1);
        } else {
            ASSERT_EQ(week.year, previous.year + 1);
            ASSERT_EQ(week.week, 1);
            ASSERT_TRUE(previous.week == 52 || previous.week == 53) << previous.year;
        }
        if (date.month() == January && date.day() == 4d) {
            ASSERT_EQ(week, (GameWeek{1, int(date.year()), {}}));
        }
        previous = week;
    }
}

}  // namespace
}  // namespace andel
