#include "model/coupon.h"

#include "model/stem.h"
#include "support/stem_digits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace andel {
namespace {

CouponSet couponsOf(const Stem& stem) { return expandCoupons(analyseStem(stem)); }

TEST(CouponTest, DefaultStemExpandsToTheNineCouponLines) {
    const CouponSet coupons = couponsOf(defaultStem());
    const char* const lines[kCoupons] = {
        "0324 446677774444", "0324 446677774222", "0324 446677774111", "0324 446677772421", "0324 446677772214",
        "0324 446677772142", "0324 446677771412", "0324 446677771241", "0324 446677771124",
    };
    for (int c = 0; c < kCoupons; ++c) EXPECT_EQ(couponFileLine(coupons[c]), lines[c]) << "coupon " << c + 1;
}

TEST(CouponTest, RowsPerCouponOfStems) {
    struct Case {
        const char* stem;
        std::int64_t rows;
    };
    const Case cases[] = {
        {"444444447777", 1},    // four fully guarded, no half guard
        {"114422447777", 1},
        {"666666667777", 256},  // four fully guarded, eight half guarded
        {"776644447777", 36},   // six fully guarded, two half guarded
        {"777777777444", 243},  // nine fully guarded
        {"777777777724", 729},  // ten fully guarded
        {"777777777777", 6561},
    };
    for (const Case& c : cases) {
        for (const Coupon& coupon : couponsOf(test::stemFromDigits(c.stem))) EXPECT_EQ(rowsOf(coupon), c.rows) << c.stem;
    }
}

TEST(CouponTest, CouponLineCutsNothingUpToFourDigits) {
    EXPECT_EQ(couponFileLine(couponsOf(resetStem())[0]), "6561 777777774444");
    EXPECT_EQ(couponFileLine(couponsOf(test::stemFromDigits("444444447777"))[8]), "0001 444444441124");
    EXPECT_EQ(maskDigits(defaultStem().masks), "446677777777");
}

// Every pattern of kinds over the 12 matches with at least four fully guarded (the sign
// of a sure or half guarded match varies with the pattern): the counts from the kinds
// must equal the products of the expanded coupons, and the coupons must reduce exactly
// the four highest fully guarded matches.
TEST(CouponTest, RowCountsFromKindsEqualTheExpandedCouponsForEveryKindPattern) {
    constexpr SignMask kSure[3] = {4, 2, 1}, kHalf[3] = {6, 5, 3};
    int stems = 0;
    for (int code = 0; code < 531441; ++code) {  // 3^12
        Stem stem;
        int rest = code;
        for (int m = 0; m < kMatches; ++m, rest /= 3) {
            const int variant = (code / 7 + m) % 3;
            stem.masks[m] = rest % 3 == 0 ? kSure[variant] : rest % 3 == 1 ? kHalf[variant] : kAllSigns;
        }
        if (!keepsInvariants(stem)) continue;
        ++stems;

        const RowCounts counts = rowCounts(countKinds(stem));
        std::int64_t stemProduct = 1;
        for (SignMask mask : stem.masks) stemProduct *= signCount(mask);
        ASSERT_EQ(counts.stemRows, stemProduct) << maskDigits(stem.masks);
        ASSERT_EQ(counts.totalRows, 9 * counts.rowsPerCoupon);

        const StemAnalysis analysis = analyseStem(stem);
        int reducedSeen = 0;
        for (int m = kMatches - 1; m >= 0; --m) {
            const bool shouldReduce = stem.masks[m] == kAllSigns && reducedSeen < 4;
            reducedSeen += shouldReduce;
            ASSERT_EQ(analysis.kind[m], shouldReduce ? 'M' : 'S') << maskDigits(stem.masks) << " match " << m + 1;
        }
        const CouponSet coupons = expandCoupons(analysis);
        for (const Coupon& coupon : coupons) {
            ASSERT_EQ(rowsOf(coupon), counts.rowsPerCoupon) << maskDigits(stem.masks);
            for (int m = 0; m < kMatches; ++m) {
                if (analysis.kind[m] == 'S') {
                    ASSERT_EQ(coupon.masks[m], stem.masks[m]);
                } else {
                    ASSERT_EQ(signCount(coupon.masks[m]), 1);
                }
            }
        }
    }
    EXPECT_EQ(stems, 322545);
}

int agreements(std::string_view a, std::string_view b) {
    int same = 0;
    for (std::size_t i = 0; i < a.size(); ++i) same += a[i] == b[i];
    return same;
}

TEST(CouponTemplateTest, LeadingDigitsFormACodeOfDistanceThree) {
    const CouponTemplate& layout = couponTemplate();
    for (int c = 0; c < kCoupons; ++c) {
        ASSERT_EQ(layout[c].size(), 12u);
        EXPECT_EQ(layout[c].substr(4), "SSSSSSSS");
        for (char digit : layout[c].substr(0, 4)) EXPECT_TRUE(digit == '1' || digit == '2' || digit == '4');
        for (int d = c + 1; d < kCoupons; ++d) {
            EXPECT_LE(agreements(layout[c].substr(0, 4), layout[d].substr(0, 4)), 1) << c + 1 << " and " << d + 1;
        }
    }
}

TEST(CouponTemplateTest, EveryOutcomeOfTheReducedMatchesIsCoveredOnce) {
    const char signs[3] = {'4', '2', '1'};
    int allRight = 0, threeRight = 0;
    for (int code = 0; code < 81; ++code) {
        std::string outcome;
        for (int i = 0, rest = code; i < 4; ++i, rest /= 3) outcome += signs[rest % 3];
        int withFour = 0, withThree = 0;
        for (std::string_view word : couponTemplate()) {
            const int same = agreements(outcome, word.substr(0, 4));
            withFour += same == 4;
            withThree += same == 3;
        }
        EXPECT_TRUE((withFour == 1 && withThree == 0) || (withFour == 0 && withThree == 1)) << outcome;
        allRight += withFour;
        threeRight += withThree;
    }
    EXPECT_EQ(allRight, 9);
    EXPECT_EQ(threeRight, 72);
}

// The advertised guarantee on whole coupons: every outcome inside the stem has a row
// with at least 11 right, and 12 right in one case of nine.
TEST(CouponTemplateTest, EveryOutcomeInsideTheStemHasElevenRight) {
    const Stem stem = test::stemFromDigits("637777777711");
    const CouponSet coupons = couponsOf(stem);
    int outcomes = 0, twelves = 0;
    for (int code = 0; code < 531441; ++code) {
        SignMask outcome[kMatches];
        bool inside = true;
        for (int m = 0, rest = code; m < kMatches; ++m, rest /= 3) {
            outcome[m] = kSignBits[rest % 3];
            inside = inside && (stem.masks[m] & outcome[m]);
        }
        if (!inside) continue;
        ++outcomes;
        int best = 0;
        for (const Coupon& coupon : coupons) {
            int right = 0;
            for (int m = 0; m < kMatches; ++m) right += (coupon.masks[m] & outcome[m]) != 0;
            best = std::max(best, right);
        }
        ASSERT_GE(best, 11);
        twelves += best == 12;
    }
    EXPECT_EQ(outcomes, 2 * 2 * 6561);
    EXPECT_EQ(twelves * 9, outcomes);
}

}  // namespace
}  // namespace andel
