#pragma once
// The nine coupons of the one system ("MU 9-0-9"): the template, the expansion of a
// stem analysis into coupon masks, and row counts.
#include "model/signs.h"
#include "model/stem_analysis.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace andel {

struct Coupon {
    std::array<SignMask, kMatches> masks{};  // index 0 = match 1
    friend bool operator==(const Coupon&, const Coupon&) = default;
};
using CouponSet = std::array<Coupon, kCoupons>;

// Nine texts of 12 characters indexed by position: a digit forces that single sign on
// the match at the position, 'S' plays the match's stem mask. The four leading digits
// form a code in which any two coupons differ in at least three places, which gives the
// guarantee of 11 right when the sure and half guarded matches are right.
using CouponTemplate = std::array<std::string_view, kCoupons>;
const CouponTemplate& couponTemplate();

CouponSet expandCoupons(const StemAnalysis& analysis, const CouponTemplate& layout = couponTemplate());

// Product of the sign counts of the 12 masks.
std::int64_t rowsOf(const Coupon& coupon);

// Twelve mask digits ("446677774444").
std::string maskDigits(const std::array<SignMask, kMatches>& masks);
// A coupon as one line of the intermediate rows file: four-digit row count, a blank
// and the twelve mask digits ("0324 446677774444").
std::string couponFileLine(const Coupon& coupon);

inline constexpr std::string_view kSystemStoredName = "MU 9-0-9";
inline constexpr std::string_view kSystemCaption = "SYSTEM  M4-0-9";
// Rows per coupon outside [kMinPlayableRows, kMaxPlayableRows] cannot be played.
constexpr std::int64_t kMinPlayableRows = 3;
constexpr std::int64_t kMaxPlayableRows = 486;
constexpr bool isPlayable(std::int64_t rowsPerCoupon) {
    return rowsPerCoupon >= kMinPlayableRows && rowsPerCoupon <= kMaxPlayableRows;
}

}  // namespace andel
