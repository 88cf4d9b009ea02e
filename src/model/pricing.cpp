#include "model/pricing.h"

namespace andel {

int rowPriceItem(CouponType type) { return type == CouponType::Midweek ? 1 : 0; }

std::int64_t stake(std::int64_t totalRows, std::int64_t rowPrice, TimeBasis basis) {
    return totalRows * rowPrice * stakeFactor(basis);
}

std::int64_t pricePerShare(std::int64_t stakeAmount, std::int64_t shares) {
    if (shares < 1) shares = 1;
    const std::int64_t whole = stakeAmount / shares;
    const std::int64_t remainder = stakeAmount % shares;
    // fraction + 0.49 reaches one half exactly when fraction >= 0.01
    return whole + (remainder * 100 >= shares ? 1 : 0);
}

}  // namespace andel
