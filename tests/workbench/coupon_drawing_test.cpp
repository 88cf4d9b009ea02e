#include "workbench/coupon_drawing.h"

#include <gtest/gtest.h>

namespace andel {
namespace {

TEST(CouponDrawingTest, ColumnsAndBlocksAreMultiplesOfThreePlusOne) {
    const struct {
        int width, height;
        int columnWidth, cellWidth, blockHeight, cellHeight;
    } cases[] = {
        {378, 218, 28, 9, 43, 14},  // (378 - 119) / 9 = 28 stays; (218 - 50) / 4 = 42 becomes 43
        {300, 250, 19, 6, 49, 16},  // 20 becomes 19; 50 becomes 49
        {119, 50, 1, 0, 1, 0},      // no room: one pixel, empty cells, never negative
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const CouponDrawingGeometry g = couponDrawingGeometry(c.width, c.height);
        EXPECT_EQ(g.columnWidth, c.columnWidth);
        EXPECT_EQ(g.cellWidth, c.cellWidth);
        EXPECT_EQ(g.blockHeight, c.blockHeight);
        EXPECT_EQ(g.cellHeight, c.cellHeight);
    }
    const CouponDrawingGeometry g = couponDrawingGeometry(378, 218);
    EXPECT_EQ(g.columnX(0), 10);
    EXPECT_EQ(g.columnX(1), 10 + 28 + 10);
    EXPECT_EQ(g.matchY(0), 30);
    EXPECT_EQ(g.matchY(4), 30 + 43 + 14);  // second block, second match
    EXPECT_EQ(g.rowsTextY(), 4 * 43 + 30 + 2);
}

}  // namespace
}  // namespace andel
