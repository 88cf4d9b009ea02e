#include "results/prize_row_walk.h"

namespace andel {

void addCouponRowsByWalking(PrizeCount& count, const Coupon& coupon, const ResultMasks& results) {
    std::array<std::array<SignMask, 3>, kMatches> signs{};
    std::array<int, kMatches> signsOf{};
    for (int m = 0; m < kMatches; ++m) {
        for (SignMask sign : kSignBits) {
            if (coupon.masks[m] & sign) signs[m][signsOf[m]++] = sign;
        }
        if (signsOf[m] == 0) return;
    }
    std::array<int, kMatches> digit{};
    for (;;) {
        int right = 0;
        for (int m = 0; m < kMatches; ++m) right += signs[m][digit[m]] == results[m] ? 1 : 0;
        if (right > count.best) {
            count.wrongSigns.fill(0);
            count.best = right;
        }
        if (right == count.best) {
            for (int m = 0; m < kMatches; ++m) {
                const SignMask sign = signs[m][digit[m]];
                if (sign != results[m]) count.wrongSigns[m] |= sign;
            }
        }
        ++count.rows[right];

        int m = kMatches - 1;
        while (m >= 0 && ++digit[m] == signsOf[m]) digit[m--] = 0;
        if (m < 0) return;
    }
}

PrizeCount countPrizesByWalking(std::span<const Coupon> coupons, const ResultMasks& results) {
    PrizeCount count;
    for (const Coupon& coupon : coupons) addCouponRowsByWalking(count, coupon, results);
    return count;
}

}  // namespace andel
