#pragma once
// The coupon's day (the coupon type selector's index) and the time basis it is played on.
#include <string>
#include <string_view>

namespace andel {

enum class CouponType { Saturday = 0, Sunday = 1, Midweek = 2 };
constexpr int kCouponTypeCount = 3;

std::string_view couponTypeText(CouponType type);  // "LØRDAG", "SØNDAG", "MIDTUKE"
// L, S, and O for the midweek coupon (its selector text begins with M).
char couponTypeLetter(CouponType type);
std::string_view couponTypeDayCode(CouponType type);  // "0", "1", "2"
CouponType couponTypeFromIndex(int index);            // out of range -> Saturday

enum class TimeBasis { Ordinary = 0, HalfTime = 1, Both = 2 };
constexpr int kTimeBasisCount = 3;

std::string_view timeBasisText(TimeBasis basis);  // "ORDINÆR", "PAUSE", "BEGGE"
std::string_view timeBasisCode(TimeBasis basis);  // "0", "1", "2"
// "BEGGE" plays the rows on both results and costs twice.
int stakeFactor(TimeBasis basis);
TimeBasis timeBasisFromIndex(int index);  // out of range -> Ordinary

}  // namespace andel
