#pragma once
// The syndicate's money: row price, stake and price per share.
#include "model/coupon_type.h"

#include <cstdint>

namespace andel {

constexpr int kMinShares = 1;
constexpr int kMaxShares = 120;
constexpr int kDefaultShares = 5;

// The row price selector's item for a coupon type: item 1 holds the midweek row price
// of the settings, item 0 the 1 krone of the weekend coupons.
int rowPriceItem(CouponType type);

// Rows x row price x stake factor of the time basis.
std::int64_t stake(std::int64_t totalRows, std::int64_t rowPrice, TimeBasis basis);

// stake / shares + 0.49 rounded to the nearest krone: any fraction of at least 0.01
// krone rounds up. Computed exactly in integers; shares below 1 count as 1.
std::int64_t pricePerShare(std::int64_t stakeAmount, std::int64_t shares);

}  // namespace andel
