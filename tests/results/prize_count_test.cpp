#include "results/prize_count.h"
#include "results/prize_row_walk.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string_view>
#include <vector>

namespace andel::test {
namespace {

std::array<SignMask, kMatches> masks(std::string_view digits) {
    std::array<SignMask, kMatches> out{};
    for (int m = 0; m < kMatches; ++m) out[m] = static_cast<SignMask>(digits[m] - '0');
    return out;
}

Coupon coupon(std::string_view digits) { return Coupon{masks(digits)}; }

std::string describe(const PrizeCount& count) {
    std::ostringstream out;
    for (int k = kMatches; k >= 0; --k) out << count.rows[k] << ' ';
    out << "best " << count.best << " wrong ";
    for (SignMask mask : count.wrongSigns) out << int(mask);
    return out.str();
}

// Hand-checked cases, run through the fast count and through the row walk alike.
struct Case {
    const char* name;
    std::vector<std::string_view> coupons;
    std::string_view result;
    std::vector<std::pair<int, std::int64_t>> rows;  // (right, rows); every other count 0
    int best;
    std::string_view wrong;
};

const Case kCases[] = {
    {"single signs equal to the result", {"442211444444"}, "442211444444", {{12, 1}}, 12, "000000000000"},
    {"one fully guarded match", {"744444444444"}, "444444444444", {{12, 1}, {11, 2}}, 12, "000000000000"},
    {"two marks in the result make the match wrong for every row", {"744444444444"}, "644444444444",
     {{11, 3}}, 11, "700000000000"},
    {"no mark in the result", {"444444444443"}, "444444444440", {{11, 2}}, 11, "000000000003"},
    {"empty coupon mask gives no rows", {"444444444440", "444444444444"}, "444444444444", {{12, 1}}, 12,
     "000000000000"},
    {"only empty coupons", {"044444444444"}, "444444444444", {}, 0, "000000000000"},
    {"all wrong", {"111111111111"}, "444444444444", {{0, 1}}, 0, "111111111111"},
    {"a better coupon clears the marks of a worse one", {"111111111111", "444444444442"}, "444444444444",
     {{0, 1}, {11, 1}}, 11, "000000000002"},
    {"equally good coupons add their marks", {"144444444444", "424444444444"}, "444444444444", {{11, 2}}, 11,
     "120000000000"},
    {"sign bits beyond B, U and H do not count", {"844444444444"}, "444444444444", {}, 0, "000000000000"},
};

void expectCase(const Case& c, const PrizeCount& count) {
    std::array<std::int64_t, kRightCounts> rows{};
    for (const auto& [right, n] : c.rows) rows[right] = n;
    EXPECT_EQ(count.rows, rows);
    EXPECT_EQ(count.best, c.best);
    EXPECT_EQ(count.wrongSigns, masks(c.wrong));
}

TEST(PrizeCountTest, HandCheckedCases) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<Coupon> coupons;
        for (std::string_view digits : c.coupons) coupons.push_back(coupon(digits));
        {
            SCOPED_TRACE("fast count");
            expectCase(c, countPrizes(coupons, masks(c.result)));
        }
        {
            SCOPED_TRACE("row walk");
            expectCase(c, countPrizesByWalking(coupons, masks(c.result)));
        }
    }
}

TEST(PrizeCountTest, NineFullCouponsCountEveryRow) {
    std::vector<Coupon> coupons(kCoupons, coupon("777777777777"));
    const PrizeCount count = countPrizes(coupons, masks("421421421421"));
    // Per coupon C(12, k) * 2^(12 - k) rows with k right.
    EXPECT_EQ(count.rows[12], 9);
    EXPECT_EQ(count.rows[11], 9 * 12 * 2);
    EXPECT_EQ(count.rows[0], 9 * 4096);
    std::int64_t total = 0;
    for (std::int64_t n : count.rows) total += n;
    EXPECT_EQ(total, 9 * 531441);
    EXPECT_EQ(count.best, 12);
    EXPECT_EQ(count.wrongSigns, masks("000000000000"));
}

// The fast count must equal the row walk on any input: random coupons (sometimes with
// empty masks), random numbers of coupons, results with none, one or several marks.
TEST(PrizeCountTest, EqualsTheRowWalkOnRandomCases) {
    std::mt19937 random(4242);
    std::uniform_int_distribution<int> anyMask(0, 7), playedMask(1, 7), couponCount(1, kCoupons), percent(0, 99);
    for (int trial = 0; trial < 12000; ++trial) {
        const bool mostlySingleResults = trial % 2 == 0;
        ResultMasks results{};
        for (SignMask& mask : results) {
            mask = static_cast<SignMask>(mostlySingleResults && percent(random) < 85 ? 1 << (percent(random) % 3)
                                                                                    : anyMask(random));
        }
        std::vector<Coupon> coupons(static_cast<std::size_t>(couponCount(random)));
        for (Coupon& c : coupons) {
            for (SignMask& mask : c.masks) {
                mask = static_cast<SignMask>(percent(random) < 2 ? 0 : playedMask(random));
            }
        }
        const PrizeCount fast = countPrizes(coupons, results);
        const PrizeCount walked = countPrizesByWalking(coupons, results);
        if (fast != walked) {
            ADD_FAILURE() << "trial " << trial << "\n fast   " << describe(fast) << "\n walked " << describe(walked);
            return;
        }
    }
}

}  // namespace
}  // namespace andel::test
