#pragma once
// What a system promises, under every outcome of the round: how often its best row has
// 12, 11 or 10 right, and how many rows with 12, 11 and 10 right it has on average —
// when every sure and half-guarded pick is right, and when exactly one or two of them go
// wrong.
//
// No outcome is walked row by row. The outcomes form a product of allowed signs per
// match, so the sum of a coupon's rows with k right over all of them is a coefficient of
// a product of one small polynomial per match; and the best row of an outcome is, per
// coupon, the number of matches whose sign the coupon holds, counted for the two halves
// of the coupon separately and added.
#include "model/coupon.h"
#include "model/signs.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace andel {

struct OutcomeSpread {
    std::int64_t outcomes = 0;
    std::array<std::int64_t, kMatches + 1> best{};     // best[k]: outcomes whose best row has k right
    std::array<std::int64_t, kMatches + 1> rowSums{};  // over all outcomes, the rows with k right
    // The average number of rows with k right per outcome; 0 without outcomes.
    double averageRows(int k) const;
    // Outcomes whose best row has fewer than k right.
    std::int64_t bestBelow(int k) const;
};

// Over every outcome that gives match m one of the signs in allowed[m] (an empty mask
// allows none, and then there are no outcomes).
OutcomeSpread spreadOver(std::span<const Coupon> coupons, const std::array<SignMask, kMatches>& allowed);

struct SystemAnalysis {
    OutcomeSpread allRight, oneWrong, twoWrong;
};

// The three spreads of the stem's system: the sure and half-guarded matches are those of
// the stem with one and two signs; "wrong" is a sign the stem does not hold there.
SystemAnalysis analyseSystem(std::span<const Coupon> coupons, const std::array<SignMask, kMatches>& stem);

}  // namespace andel
