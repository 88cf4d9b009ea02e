#include "results/prize_count.h"

namespace andel {
namespace {

bool isSingleSign(SignMask mask) { return mask == kHome || mask == kDraw || mask == kAway; }

}  // namespace

// A row's number of right is the sum over the matches of its right signs, so the rows
// with k right are the coefficient of x^k in the product over the matches of
// (wrong signs + right signs · x). A match has at most one right sign, and the best
// rows are those that take it wherever it was played: their wrong signs are all the
// signs of the matches where no right sign was played.
void addCouponRows(PrizeCount& count, const Coupon& coupon, const ResultMasks& results) {
    std::array<SignMask, kMatches> played{};
    std::array<bool, kMatches> right{};
    for (int m = 0; m < kMatches; ++m) {
        played[m] = coupon.masks[m] & kAllSigns;
        if (played[m] == 0) return;
        right[m] = isSingleSign(results[m]) && (played[m] & results[m]) != 0;
    }

    std::array<std::int64_t, kRightCounts> rows{};
    rows[0] = 1;
    int best = 0;
    for (int m = 0; m < kMatches; ++m) {
        const int wrong = signCount(played[m]) - (right[m] ? 1 : 0);
        if (right[m]) {
            rows[best + 1] = rows[best];
            for (int k = best; k > 0; --k) rows[k] = rows[k] * wrong + rows[k - 1];
            rows[0] *= wrong;
            ++best;
        } else {
            for (int k = 0; k <= best; ++k) rows[k] *= wrong;
        }
    }
    for (int k = 0; k < kRightCounts; ++k) count.rows[k] += rows[k];

    if (best < count.best) return;
    if (best > count.best) {
        count.best = best;
        count.wrongSigns.fill(0);
    }
    for (int m = 0; m < kMatches; ++m) {
        if (!right[m]) count.wrongSigns[m] |= played[m];
    }
}

PrizeCount countPrizes(std::span<const Coupon> coupons, const ResultMasks& results) {
    PrizeCount count;
    for (const Coupon& coupon : coupons) addCouponRows(count, coupon, results);
    return count;
}

}  // namespace andel
