#include "results/prize_payout.h"

#include <gtest/gtest.h>

namespace andel::test {
namespace {

PrizeCount rowsWith(std::int64_t twelve, std::int64_t eleven, std::int64_t ten) {
    PrizeCount count;
    count.rows[12] = twelve;
    count.rows[11] = eleven;
    count.rows[10] = ten;
    return count;
}

TEST(PrizePayoutTest, TotalAndPerShare) {
    struct Case {
        const char* name;
        PrizeCount count;
        PrizeForecasts forecasts;
        int shares;
        std::int64_t total, perShare;
    };
    const Case cases[] = {
        {"jackpot text pays nothing", rowsWith(1, 5, 0), {"Jacpot", "1000", "40"}, 5, 5000, 1000},
        {"grouped forecasts read by their digits", rowsWith(1, 2, 3), {"1.234.567", "4.100", "310"}, 1,
         1234567 + 8200 + 930, 1234567 + 8200 + 930},
        {"per share rounds down", rowsWith(0, 0, 7), {"0", "0", "1"}, 3, 7, 2},
        {"dash pays nothing", rowsWith(4, 4, 4), {"-", "-", "-"}, 5, 0, 0},
        {"nothing won", rowsWith(0, 0, 0), {"100", "10", "1"}, 5, 0, 0},
        {"no shares keeps the total", rowsWith(0, 1, 0), {"0", "50", "0"}, 0, 50, 50},
        {"beyond 32 bits", rowsWith(9, 0, 0), {"2147483647", "0", "0"}, 1, 9LL * 2147483647, 9LL * 2147483647},
        {"overlong digits held at the 32-bit largest", rowsWith(1, 0, 0), {"99999999999999999999", "0", "0"}, 1,
         2147483647, 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PrizePayout payout = prizePayout(c.count, c.forecasts, c.shares);
        EXPECT_EQ(payout.total, c.total);
        EXPECT_EQ(payout.perShare, c.perShare);
    }
}

TEST(PrizePayoutTest, PanelTexts) {
    PrizeCount count = rowsWith(0, 5, 0);
    count.rows[3] = 1234;
    const PrizeTexts texts = prizeTexts(count, {"Jacpot", "150.000", "2.500"}, 4);
    EXPECT_EQ(texts.premietotalt, "750.000");
    EXPECT_EQ(texts.premieprandel, "187.500");
    EXPECT_EQ(texts.pr12, "-");
    EXPECT_EQ(texts.pr11, "5");
    EXPECT_EQ(texts.pr10, "-");
    EXPECT_EQ(texts.details[11], "5");
    EXPECT_EQ(texts.details[3], "1234");  // plain, not grouped
    EXPECT_EQ(texts.details[0], "-");

    const PrizeTexts nothing = prizeTexts(PrizeCount{}, {}, 5);
    EXPECT_EQ(nothing.premietotalt, "0");
    EXPECT_EQ(nothing.premieprandel, "0");
}

}  // namespace
}  // namespace andel::test
