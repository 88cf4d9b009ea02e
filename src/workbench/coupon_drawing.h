#pragma once
// Geometry of the preview panel's drawing of the nine coupons: one column per coupon,
// 12 matches by H, U, B in four blocks of three matches.
#include "model/signs.h"

namespace andel {

struct CouponDrawingGeometry {
    int columnWidth = 0;  // a multiple of 3 plus 1
    int cellWidth = 0;
    int blockHeight = 0;  // a multiple of 3 plus 1
    int cellHeight = 0;
    static constexpr int kTopMargin = 30;
    static constexpr int kFirstColumnX = 10;
    static constexpr int kColumnGap = 10;

    int columnX(int coupon) const { return kFirstColumnX + coupon * (columnWidth + kColumnGap); }
    // Top of match m (0-11): four blocks of three matches from the top margin down.
    int matchY(int match) const { return kTopMargin + (match / 3) * blockHeight + (match % 3) * cellHeight; }
    int rowsTextY() const { return 4 * blockHeight + kTopMargin + 2; }
};

CouponDrawingGeometry couponDrawingGeometry(int width, int height);

}  // namespace andel
