#pragma once
// Scoring the rows of coupons against a round's result: how many rows have 0 to 12
// right, the best count, and the signs played wrong in the rows that reach it.
#include "model/coupon.h"
#include "model/signs.h"

#include <array>
#include <cstdint>
#include <span>

namespace andel {

// The results grid as masks: the sum of the marked columns of each match (H = 4, U = 2,
// B = 1). Only a single mark can be right: 0 or several marks make the match wrong for
// every row.
using ResultMasks = std::array<SignMask, kMatches>;

constexpr int kRightCounts = kMatches + 1;  // 0 to 12 right

struct PrizeCount {
    std::array<std::int64_t, kRightCounts> rows{};  // rows[k]: rows with k right
    int best = 0;                                   // the highest k any row reached
    // Per match, the signs played wrong in the rows with `best` right.
    std::array<SignMask, kMatches> wrongSigns{};

    friend bool operator==(const PrizeCount&, const PrizeCount&) = default;
};

// Adds the rows of one coupon to the count, with the same outcome as walking every row
// in order. A coupon with an empty mask on any match has no rows. Only the sign bits
// of the masks count.
void addCouponRows(PrizeCount& count, const Coupon& coupon, const ResultMasks& results);

// The count over the coupons, from an empty count.
PrizeCount countPrizes(std::span<const Coupon> coupons, const ResultMasks& results);

}  // namespace andel
