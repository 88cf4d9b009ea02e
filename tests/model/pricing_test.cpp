#include "model/pricing.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

TEST(PricingTest, StakeAndPricePerShare) {
    struct Case {
        std::int64_t rows, rowPrice;
        TimeBasis basis;
        std::int64_t shares, stake, price;
    };
    const Case cases[] = {
        {2916, 1, TimeBasis::Ordinary, 5, 2916, 584},  // 583.2 rounds up
        {2916, 1, TimeBasis::HalfTime, 5, 2916, 584},
        {2916, 1, TimeBasis::Both, 5, 5832, 1167},     // 1166.4
        {2916, 2, TimeBasis::Ordinary, 5, 5832, 1167}, // midweek at row price 2
        {2916, 1, TimeBasis::Ordinary, 120, 2916, 25}, // 24.3
        {2500, 1, TimeBasis::Ordinary, 5, 2500, 500},  // even: no rounding up
        {2901, 1, TimeBasis::Ordinary, 100, 2901, 30}, // a fraction of exactly 0.01 rounds up
        {2900, 1, TimeBasis::Ordinary, 100, 2900, 29},
        {1, 1, TimeBasis::Ordinary, 120, 1, 0},        // 0.0083 stays below
        {2, 1, TimeBasis::Ordinary, 120, 2, 1},        // 0.0167
        {0, 1, TimeBasis::Both, 5, 0, 0},
        {2916, 1, TimeBasis::Ordinary, 1, 2916, 2916},
    };
    for (const Case& c : cases) {
        const std::int64_t total = stake(c.rows, c.rowPrice, c.basis);
        EXPECT_EQ(total, c.stake) << c.rows << " rows";
        EXPECT_EQ(pricePerShare(total, c.shares), c.price) << total << " / " << c.shares;
    }
}

TEST(PricingTest, NoSharesCountAsOne) {
    EXPECT_EQ(pricePerShare(2916, 0), 2916);
}

}  // namespace
}  // namespace andel
