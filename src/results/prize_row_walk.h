#pragma once
// The plain way of scoring a coupon: walk every row and compare it match by match. Far
// too slow for the prize panel (3^12 rows per coupon); kept as the reference that the
// fast count is tested against and measured by.
#include "results/prize_count.h"

namespace andel {

// Rows in odometer order: each match takes the signs of its mask in the order H, U, B,
// match 12 changing fastest. A row with more right than the best so far clears the
// wrong-sign marks; a row with as many adds its wrong signs to them.
void addCouponRowsByWalking(PrizeCount& count, const Coupon& coupon, const ResultMasks& results);

PrizeCount countPrizesByWalking(std::span<const Coupon> coupons, const ResultMasks& results);

}  // namespace andel
