#include "results/round_result.h"

#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

HistoryLookup foundLine(const char* result, int prize12, int prize11, int prize10) {
    HistoryLookup lookup;
    lookup.found = true;
    lookup.record.resultText = result;
    lookup.record.prize12 = prize12;
    lookup.record.prize11 = prize11;
    lookup.record.prize10 = prize10;
    return lookup;
}

TEST(RoundResultTest, SignsAndForecastsOfAFoundLine) {
    struct Case {
        const char* name;
        HistoryLookup lookup;
        std::string signs;
        PrizeForecasts forecasts;
    };
    const Case cases[] = {
        {"groups with blanks and a 13th sign", foundLine("1X2 1X2 1X2 1X21", 0, 150000, 2500), "1X21X21X21X2",
         {"Jacpot", "150.000", "2.500"}},
        {"all prizes paid", foundLine("111111111111", 1234567, 4100, 310), "111111111111",
         {"1.234.567", "4.100", "310"}},
        {"no prize at all is no jackpot", foundLine("222222222222", 0, 0, 0), "222222222222", {"0", "0", "0"}},
        {"only a 10 prize is a jackpot", foundLine("XXXXXXXXXXXX", 0, 0, 90), "XXXXXXXXXXXX", {"Jacpot", "0", "90"}},
        {"lower-case x and other letters dropped", foundLine("1x2X-?2", 10, 1, 1), "12X2", {"10", "1", "1"}},
        {"no signs", foundLine("   ----   ", 10, 10, 10), "", {"-", "-", "-"}},
        {"not found", HistoryLookup{}, "", {"-", "-", "-"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RoundResult result = roundResultOf(c.lookup);
        EXPECT_EQ(result.signs, c.signs);
        EXPECT_EQ(result.forecasts, c.forecasts);
    }
}

TEST(RoundResultTest, SignsMarkTheGridAndLeaveLaterRows) {
    ResultMasks grid;
    grid.fill(7);
    RoundResult partial;
    partial.signs = "1X2";
    applyRoundResult(partial, grid);
    EXPECT_EQ(grid, (ResultMasks{4, 2, 1, 7, 7, 7, 7, 7, 7, 7, 7, 7}));

    applyRoundResult(RoundResult{}, grid);
    EXPECT_EQ(grid, ResultMasks{});
}

TEST(RoundResultTest, FetchReadsTheFileOfCouponTypeAndTimeBasis) {
    TempDir dir;
    const Workspace workspace{dir.path()};
    RecordingMessages messages;
    const GameWeek week{5, 2000, {}};
    auto lineWith = [](const char* result) {
        StatisticsRecord record;
        record.week = 5;
        record.year = 2000;
        record.resultText = result;
        record.prize11 = 100;
        return formatHistoryLine(record) + "\r\n";
    };
    const struct {
        CouponType type;
        TimeBasis basis;
        const char* file;
        const char* result;
    } cases[] = {
        {CouponType::Saturday, TimeBasis::Ordinary, "lf.txt", "111111111111"},
        {CouponType::Saturday, TimeBasis::HalfTime, "lp.txt", "XXXXXXXXXXXX"},
        {CouponType::Saturday, TimeBasis::Both, "lf.txt", "111111111111"},
        {CouponType::Sunday, TimeBasis::Ordinary, "sf.txt", "222222222222"},
        {CouponType::Sunday, TimeBasis::HalfTime, "sp.txt", "1X1X1X1X1X1X"},
        {CouponType::Midweek, TimeBasis::Ordinary, "mf.txt", "21212121212"},
        {CouponType::Midweek, TimeBasis::HalfTime, "mp.txt", "X2X2X2X2X2X2"},
        {CouponType::Midweek, TimeBasis::Both, "mf.txt", "21212121212"},
    };
    for (const auto& c : cases) dir.write(std::string("tippehistorikk/") + c.file, lineWith(c.result));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const RoundResult result = fetchRoundResult(workspace, messages, c.type, c.basis, week);
        EXPECT_TRUE(result.found);
        EXPECT_EQ(result.signs, c.result);
        EXPECT_EQ(result.forecasts.twelve, "Jacpot");
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(fetchRoundResult(workspace, messages, CouponType::Sunday, TimeBasis::Ordinary,
                                  GameWeek{6, 2000, {}}).found);
}

}  // namespace
}  // namespace andel::test
