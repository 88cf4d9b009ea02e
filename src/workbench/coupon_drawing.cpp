#include "workbench/coupon_drawing.h"

namespace andel {
namespace {

int multipleOfThreePlusOne(int value) { return value / 3 * 3 + 1; }

}  // namespace

CouponDrawingGeometry couponDrawingGeometry(int width, int height) {
    CouponDrawingGeometry g;
    g.columnWidth = multipleOfThreePlusOne((width - 119) / 9);
    g.cellWidth = g.columnWidth / 3;
    g.blockHeight = multipleOfThreePlusOne((height - 50) / 4);
    g.cellHeight = g.blockHeight / 3;
    return g;
}

}  // namespace andel
