#include "model/signs.h"
#include "model/stem.h"

#include "support/stem_digits.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

using test::stemFromDigits;

TEST(SignsTest, SignCountAndKindPerMask) {
    struct Case {
        SignMask mask;
        int count;
        MatchKind kind;
    };
    const Case cases[] = {
        {1, 1, MatchKind::Sure},        {2, 1, MatchKind::Sure},        {4, 1, MatchKind::Sure},
        {3, 2, MatchKind::HalfGuarded}, {5, 2, MatchKind::HalfGuarded}, {6, 2, MatchKind::HalfGuarded},
        {7, 3, MatchKind::FullyGuarded},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(signCount(c.mask), c.count) << int(c.mask);
        EXPECT_EQ(kindOf(c.mask), c.kind) << int(c.mask);
    }
    EXPECT_EQ(signCount(0), 0);
}

TEST(StemTest, DefaultAndResetStems) {
    EXPECT_EQ(defaultStem(), stemFromDigits("446677777777"));
    EXPECT_EQ(resetStem(), stemFromDigits("777777777777"));

    const KindCounts standard = countKinds(defaultStem());
    EXPECT_EQ(standard.sure, 2);
    EXPECT_EQ(standard.halfGuarded, 2);
    EXPECT_EQ(standard.fullyGuarded, 8);
    EXPECT_EQ(countKinds(resetStem()).fullyGuarded, 12);
}

TEST(StemTest, InvariantsNeedASignPerMatchAndFourFullyGuarded) {
    struct Case {
        const char* digits;
        bool valid;
    };
    const Case cases[] = {
        {"446677777777", true}, {"777777777777", true},  {"123456744477", false},
        {"444444447777", true}, {"444444444777", false}, {"044444447777", false},
        {"844444447777", false},
    };
    for (const Case& c : cases) EXPECT_EQ(keepsInvariants(stemFromDigits(c.digits)), c.valid) << c.digits;
}

TEST(StemTest, RowCountsFromKindCounts) {
    struct Case {
        int fully, half;
        std::int64_t perCoupon, total, stem;
    };
    const Case cases[] = {
        {8, 2, 324, 2916, 26244},  // the default stem
        {4, 0, 1, 9, 81},
        {4, 8, 256, 2304, 20736},
        {6, 2, 36, 324, 2916},
        {7, 3, 216, 1944, 17496},
        {9, 0, 243, 2187, 19683},
        {10, 0, 729, 6561, 59049},
        {12, 0, 6561, 59049, 531441},
    };
    for (const Case& c : cases) {
        const RowCounts counts = rowCounts(KindCounts{kMatches - c.fully - c.half, c.half, c.fully});
        EXPECT_EQ(counts.rowsPerCoupon, c.perCoupon) << c.fully << " full, " << c.half << " half";
        EXPECT_EQ(counts.totalRows, c.total) << c.fully << " full, " << c.half << " half";
        EXPECT_EQ(counts.stemRows, c.stem) << c.fully << " full, " << c.half << " half";
    }
}

}  // namespace
}  // namespace andel
