// Rows out and in: the rows written in both layouts and read back leniently give exactly
// the prize panel's count, for the system's coupons of random stems; and what the reader
// skips and names.
#include "model/codepage.h"
#include "model/stem.h"
#include "model/stem_analysis.h"
#include "results/prize_row_walk.h"
#include "results/row_lines.h"

#include <gtest/gtest.h>

#include <random>

namespace andel {
namespace {

std::string signsOf(const ResultMasks& masks) {
    std::string signs;
    for (SignMask m : masks) signs += m == kHome ? '1' : m == kDraw ? 'X' : '2';
    return signs;
}

TEST(RowLines, WrittenAndCheckedRowsGiveThePrizePanelsCount) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> kind(0, 2), sign(0, 2);
    const SignMask signs[] = {kHome, kDraw, kAway};
    for (int round = 0; round < 12; ++round) {
        Stem stem;
        for (int m = 0; m < kMatches; ++m) {
            // At least four fully guarded matches, the rest sure or half-guarded at random.
            const int k = m < 4 ? 2 : kind(random);
            stem.masks[m] = k == 2 ? kAllSigns : k == 1 ? static_cast<SignMask>(kAllSigns & ~signs[sign(random)]) : signs[sign(random)];
        }
        const CouponSet coupons = expandCoupons(analyseStem(stem));
        ResultMasks result{};
        for (SignMask& m : result) m = signs[sign(random)];
        SCOPED_TRACE(round);
        const PrizeCount closed = countPrizes(coupons, result);
        EXPECT_EQ(closed.rows, countPrizesByWalking(coupons, result).rows);
        for (RowLayout layout : {RowLayout::E, RowLayout::Plain}) {
            const RowCheck check = checkRowLines(rowLines(coupons, layout, {"TIPPING", "UKE 50 -2026", "LØRDAG"}), signsOf(result));
            EXPECT_EQ(check.count.rows, closed.rows);
            EXPECT_EQ(check.count.best, closed.best);
            EXPECT_EQ(check.rows, rowCount(coupons));
            EXPECT_EQ(check.skipped.size(), layout == RowLayout::E ? 1u : 0u) << "the heading line is named";
        }
    }
}

TEST(RowLines, LayoutsAndTheirOrder) {
    Coupon coupon;
    coupon.masks.fill(kHome);
    coupon.masks[10] = kHome | kAway;
    coupon.masks[11] = kAllSigns;
    const std::vector<Coupon> coupons{coupon};
    EXPECT_EQ(rowCount(coupons), 6);
    EXPECT_EQ(rowLines(coupons, RowLayout::Plain, {}),
              "111111111111\r\n11111111111X\r\n111111111112\r\n111111111121\r\n11111111112X\r\n111111111122\r\n");
    const std::string e = rowLines(coupons, RowLayout::E, {"TIPPING", "UKE 05 -2027", "SØNDAG"});
    EXPECT_TRUE(e.starts_with("TIPPING,UKE 05 -2027,S\xD8NDAG,6\r\nE,1,1,1,1,1,1,1,1,1,1,1,1\r\nE,1,1,1,1,1,1,1,1,1,1,1,X\r\n"))
        << "Windows-1252 heading, then E lines";
}

TEST(RowLines, ReaderTakesAnySeparatorAndNamesWhatItSkips) {
    const std::string file =
        "Syndikat KRYSSBALLEN uke 50\r\n"  // a heading of another tool: no twelve signs
        "1 X 2 1 X 2 1 X 2 1 X 2\n"        // blanks between the signs
        "\r\n"                             // empty: skipped without a word
        "E;1;x;2;1;X;2;1;X;2;1;X;2\r\n"    // semicolons and a lower-case x
        "1X21X21X21X\r\n"                  // cut: eleven signs
        "row 3: 111111111111";             // no line end at the end
    const RowCheck check = checkRowLines(file, "1X21X21X21X2");
    EXPECT_EQ(check.rows, 3);
    EXPECT_EQ(check.count.rows[12], 2);
    EXPECT_EQ(check.count.rows[4], 1);
    EXPECT_EQ(check.count.best, 12);
    ASSERT_EQ(check.skipped.size(), 2u);
    EXPECT_EQ(check.skipped[0], "linje 1: 0 tegn 1, X og 2, ikke 12");
    EXPECT_EQ(check.skipped[1], "linje 5: 11 tegn 1, X og 2, ikke 12");

    std::string many;
    for (int i = 0; i < 30; ++i) many += "bad\r\n";
    const RowCheck bad = checkRowLines(many, "1X21X21X21X2");
    ASSERT_EQ(bad.skipped.size(), kSkippedLinesNamed + 1);
    EXPECT_EQ(bad.skipped.back(), "og 10 linjer til");
    EXPECT_EQ(checkRowLines(std::string(3000, '\0'), "1X21X21X21X2").rows, 0);
}

}  // namespace
}  // namespace andel
