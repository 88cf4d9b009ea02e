#include "model/coupon_type.h"

namespace andel {

std::string_view couponTypeText(CouponType type) {
    switch (type) {
        case CouponType::Sunday: return "SØNDAG";
        case CouponType::Midweek: return "MIDTUKE";
        default: return "LØRDAG";
    }
}

char couponTypeLetter(CouponType type) {
    switch (type) {
        case CouponType::Sunday: return 'S';
        case CouponType::Midweek: return 'O';
        default: return 'L';
    }
}

std::string_view couponTypeDayCode(CouponType type) {
    switch (type) {
        case CouponType::Sunday: return "1";
        case CouponType::Midweek: return "2";
        default: return "0";
    }
}

CouponType couponTypeFromIndex(int index) {
    return index >= 0 && index < kCouponTypeCount ? static_cast<CouponType>(index) : CouponType::Saturday;
}

std::string_view timeBasisText(TimeBasis basis) {
    switch (basis) {
        case TimeBasis::HalfTime: return "PAUSE";
        case TimeBasis::Both: return "BEGGE";
        default: return "ORDINÆR";
    }
}

std::string_view timeBasisCode(TimeBasis basis) {
    switch (basis) {
        case TimeBasis::HalfTime: return "1";
        case TimeBasis::Both: return "2";
        default: return "0";
    }
}

int stakeFactor(TimeBasis basis) { return basis == TimeBasis::Both ? 2 : 1; }

TimeBasis timeBasisFromIndex(int index) {
    return index >= 0 && index < kTimeBasisCount ? static_cast<TimeBasis>(index) : TimeBasis::Ordinary;
}

}  // namespace andel
