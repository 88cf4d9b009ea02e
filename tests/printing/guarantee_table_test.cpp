#include "printing/guarantee_table.h"
#include "workbench/stem_editing.h"

#include "printing/certificate_fill.h"
#include "printing_fixture.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

// The default stem: matches 1-2 H, 3-4 H and U, 5-12 all three signs; the first "M"
// match is match 9.
TEST(GuaranteeTableTest, DefaultStem) {
    const WorkbenchState state = test::printableState();
    ASSERT_EQ(gridKindTexts(state)[8], "M");
    const ResultMasks outcome = assumedOutcome(state);
    for (SignMask sign : outcome) EXPECT_EQ(sign, kHome);
    // Coupon 1 plays H on matches 9-12 and holds the outcome once; one wrong sign among
    // matches 3-8 gives 1 + 1 + 4 x 2 = 10 rows with 11 right, two give 41 with 10.
    // Turning match 9 to B leaves coupon 1 one right short, and three more coupons
    // reach 10 with their B on match 9.
    const GuaranteeLines lines = guaranteeLines(couponsOf(state), outcome, gridKindTexts(state));
    EXPECT_EQ(lines.twelve, "1 10  41  1:9");
    EXPECT_EQ(lines.eleven, "-  1  13  8:9");
}

TEST(GuaranteeTableTest, WithoutAReducedMatchTheSecondLineKeepsTheOutcome) {
    const WorkbenchState state = test::printableState();
    std::array<std::string, kMatches> kinds;
    kinds.fill("S");
    const GuaranteeLines lines = guaranteeLines(couponsOf(state), assumedOutcome(state), kinds);
    EXPECT_EQ(lines.twelve, "1 10  41  1:9");
    EXPECT_EQ(lines.eleven, "1 10  41  8:9");
}

TEST(GuaranteeTableTest, AssumedOutcomeTakesTheFirstMarkedColumn) {
    WorkbenchState state = test::printableState();
    state.stemGrid.at(1, 1) = "";   // U and B left
    state.stemGrid.at(2, 1) = "X";
    state.stemGrid.at(1, 2) = "";   // only B
    state.stemGrid.at(2, 2) = "";
    state.stemGrid.at(3, 2) = "X";
    for (int column = 1; column <= 3; ++column) state.stemGrid.at(column, 3) = " ";  // blanks count as empty
    const ResultMasks outcome = assumedOutcome(state);
    EXPECT_EQ(outcome[0], kDraw);
    EXPECT_EQ(outcome[1], kAway);
    EXPECT_EQ(outcome[2], 0);
}

TEST(GuaranteeTableTest, TurningTheFirstReducedMatch) {
    std::array<std::string, kMatches> kinds;
    kinds.fill("S");
    kinds[4] = "M";
    kinds[7] = "M";
    const std::pair<SignMask, SignMask> turns[] = {{kAway, kDraw}, {kDraw, kHome}, {kHome, kAway}, {0, 0}};
    for (const auto& [from, to] : turns) {
        ResultMasks outcome{};
        outcome.fill(kHome);
        outcome[4] = from;
        const ResultMasks turned = turnFirstReducedMatch(outcome, kinds);
        EXPECT_EQ(turned[4], to);
        EXPECT_EQ(turned[7], kHome);  // only the first "M" turns
    }
}

TEST(GuaranteeTableTest, FieldsWidenForLargeCounts) {
    PrizeCount count;
    count.rows[12] = 12;
    count.rows[11] = 1234;
    count.rows[10] = 56789;
    EXPECT_EQ(guaranteeLine(count, true), "12123456789");
    count.rows[12] = 0;
    EXPECT_EQ(guaranteeLine(count, true), "-123456789");
    EXPECT_EQ(guaranteeLine(count, false), "0123456789");
}

TEST(GuaranteeTableTest, ACouponWithAnEmptyMatchHasNoRowsButPrintsOne) {
    WorkbenchState state = test::printableState();
    state.couponGrid.at(kFirstCouponColumn, 5) = "";  // coupon 1, match 5
    const CouponSet coupons = couponsOf(state);
    EXPECT_EQ(coupons[0].masks[4], 0);
    EXPECT_EQ(printedRowCount(coupons[0]), 108);  // 324 / 3: the empty match counts one sign
    // Coupon 1 held every row with 12 and 11 right.
    const GuaranteeLines lines = guaranteeLines(coupons, assumedOutcome(state), gridKindTexts(state));
    EXPECT_EQ(lines.twelve, "0  0   0  1:9");
}

}  // namespace
}  // namespace andel
