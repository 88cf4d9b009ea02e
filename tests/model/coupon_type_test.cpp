#include "model/coupon_type.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

TEST(CouponTypeTest, TextsLettersAndDayCodesByIndex) {
    struct Case {
        int index;
        const char* text;
        char letter;
        const char* dayCode;
    };
    const Case cases[] = {
        {0, "LØRDAG", 'L', "0"},
        {1, "SØNDAG", 'S', "1"},
        {2, "MIDTUKE", 'O', "2"},  // the midweek coupon is "ONSDAG" to the operator
    };
    for (const Case& c : cases) {
        const CouponType type = couponTypeFromIndex(c.index);
        EXPECT_EQ(static_cast<int>(type), c.index);
        EXPECT_EQ(couponTypeText(type), c.text);
        EXPECT_EQ(couponTypeLetter(type), c.letter);
        EXPECT_EQ(couponTypeDayCode(type), c.dayCode);
    }
    EXPECT_EQ(couponTypeFromIndex(-1), CouponType::Saturday);
    EXPECT_EQ(couponTypeFromIndex(3), CouponType::Saturday);
}

TEST(TimeBasisTest, TextsCodesAndStakeFactorsByIndex) {
    struct Case {
        int index;
        const char* text;
        const char* code;
        int factor;
    };
    const Case cases[] = {{0, "ORDINÆR", "0", 1}, {1, "PAUSE", "1", 1}, {2, "BEGGE", "2", 2}};
    for (const Case& c : cases) {
        const TimeBasis basis = timeBasisFromIndex(c.index);
        EXPECT_EQ(static_cast<int>(basis), c.index);
        EXPECT_EQ(timeBasisText(basis), c.text);
        EXPECT_EQ(timeBasisCode(basis), c.code);
        EXPECT_EQ(stakeFactor(basis), c.factor);
    }
    EXPECT_EQ(timeBasisFromIndex(-1), TimeBasis::Ordinary);
    EXPECT_EQ(timeBasisFromIndex(3), TimeBasis::Ordinary);
}

}  // namespace
}  // namespace andel
