#include "workbench/recompute.h"

#include "model/coupon.h"
#include "workbench/stem_editing.h"
#include "support/stem_digits.h"

#include <gtest/gtest.h>

#include <string>

namespace andel {
namespace {

// A coupon-grid column over the 12 match rows, as one text.
std::string column(const WorkbenchState& state, int c, const char* separator = "") {
    std::string text;
    for (int row = 1; row <= kMatches; ++row) text += (row > 1 ? separator : "") + state.couponGrid.at(c, row);
    return text;
}

TEST(RecomputeTest, InitialStateShowsTheDefaultSystem) {
    const WorkbenchState state = initialWorkbenchState();
    EXPECT_EQ(maskDigits(stemOf(state).masks), "446677777777");
    EXPECT_EQ(state.panelsikre, "2");
    EXPECT_EQ(state.panelhalve, "2");
    EXPECT_EQ(state.panelhele, "8");
    for (const std::string& rows : state.rowsPerCouponFields) EXPECT_EQ(rows, "324");
    EXPECT_EQ(state.pictureRows, "324");
    EXPECT_EQ(state.couponLine, "9  X 324 rekkers kuponger");
    EXPECT_EQ(state.rekkertotalt, "2.916");
    EXPECT_EQ(state.stemRows, "26.244");
    EXPECT_EQ(state.reductionLine, "26.244 rekker er redusert til :   2.916 rekker");
    EXPECT_EQ(state.panelinnsatstotalt, "2.916");
    EXPECT_EQ(state.panelinnsatstotalt2, "2.916");
    EXPECT_EQ(state.panelprisprandel, "584");
    EXPECT_EQ(state.panelprisprandel2, "584");
    EXPECT_TRUE(state.commandsEnabled);
    EXPECT_FALSE(state.rowsTooMany);
    EXPECT_EQ(state.antallandeler, 4);
    EXPECT_EQ(state.antallandeler2, 4);
    ASSERT_EQ(state.shareItems.size(), 120u);
    EXPECT_EQ(state.shareItems.front(), "   1");
    EXPECT_EQ(state.shareItems.back(), "   120");

    EXPECT_EQ(column(state, 1), "SSSSSSSSMMMM");
    EXPECT_EQ(column(state, 2, " "), "5 6 7 8 9 10 11 12 1 2 3 4");
    EXPECT_EQ(column(state, 3), "446677777777");
    EXPECT_EQ(column(state, 4), "");
    const char* const coupons[kCoupons] = {"446677774444", "446677774222", "446677774111",
                                           "446677772421", "446677772214", "446677772142",
                                           "446677771412", "446677771241", "446677771124"};
    for (int c = 0; c < kCoupons; ++c) {
        EXPECT_EQ(column(state, kFirstCouponColumn + c), coupons[c]) << "coupon " << c + 1;
        EXPECT_EQ(state.couponGrid.at(kFirstCouponColumn + c, kRowsPerCouponRow), "324");
    }
}

TEST(RecomputeTest, PlayableLimitsOfRowsPerCoupon) {
    struct Case {
        const char* stem;
        const char* rows;
        bool enabled, tooMany;
    };
    const Case cases[] = {
        {"444444447777", "1", false, false},
        {"644444447777", "2", false, false},
        {"744444447777", "3", true, false},
        {"777777777644", "486", true, false},
        {"777777777777", "6561", false, true},
        {"777777777744", "729", false, true},
    };
    for (const Case& c : cases) {
        WorkbenchState state = initialWorkbenchState();
        putStem(state, test::stemFromDigits(c.stem));
        recomputeSystem(state);
        EXPECT_EQ(state.rowsPerCouponFields[8], c.rows) << c.stem;
        EXPECT_EQ(state.couponLine, std::string("9  X ") + c.rows + " rekkers kuponger");
        EXPECT_EQ(state.commandsEnabled, c.enabled) << c.stem;
        EXPECT_EQ(state.rowsTooMany, c.tooMany) << c.stem;
    }
}

TEST(RecomputeTest, ChoosingSharesForgetsTheOnlineFileAndFollowsInBothSelectors) {
    WorkbenchState state = initialWorkbenchState();
    state.online = OnlineFileStatus{"C:\\NTFILE\\X.NTF", "Dato 07.03.2009", "1234", "finner du her:", true};
    chooseShares(state, 119);
    EXPECT_EQ(state.online.serialNumber, "");
    EXPECT_EQ(state.online.pathAndName, "");
    EXPECT_FALSE(state.online.infoPanelVisible);
    EXPECT_EQ(state.antallandeler, 119);
    EXPECT_EQ(state.antallandeler2, 119);
    EXPECT_EQ(state.panelprisprandel, "25");
    EXPECT_EQ(state.panelprisprandel2, "25");

    chooseSharesInPreview(state, 0);
    EXPECT_EQ(state.antallandeler, 0);
    EXPECT_EQ(state.antallandeler2, 0);
    EXPECT_EQ(state.panelprisprandel, "2.916");
    EXPECT_EQ(state.panelprisprandel2, "2.916");
}

TEST(RecomputeTest, PriceFollowsTimeBasisAndRowPrice) {
    struct Case {
        int basis;
        int rowPriceIndex;
        const char* stake;
        const char* price;
    };
    const Case cases[] = {
        {0, 0, "2.916", "584"},
        {1, 0, "2.916", "584"},
        {2, 0, "5.832", "1.167"},
        {0, 1, "5.832", "1.167"},   // midweek row price 2
        {2, 1, "11.664", "2.333"},  // 2332.8
    };
    for (const Case& c : cases) {
        WorkbenchState state = initialWorkbenchState();
        state.comborekkepris[1] = "  2";
        state.comborekkeprisIndex = c.rowPriceIndex;
        state.pauseordiner = c.basis;
        recomputePrice(state);
        EXPECT_EQ(state.panelinnsatstotalt, c.stake) << c.basis << "/" << c.rowPriceIndex;
        EXPECT_EQ(state.panelinnsatstotalt2, c.stake);
        EXPECT_EQ(state.panelprisprandel, c.price) << c.basis << "/" << c.rowPriceIndex;
        EXPECT_EQ(state.panelprisprandel2, c.price);
    }
}

TEST(RecomputeTest, EmptyTotalRowsGiveNoStake) {
    WorkbenchState state = initialWorkbenchState();
    state.rekkertotalt.clear();
    recomputePrice(state);
    EXPECT_EQ(state.panelinnsatstotalt, "0");
    EXPECT_EQ(state.panelprisprandel, "0");
}

}  // namespace
}  // namespace andel
