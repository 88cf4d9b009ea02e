#include "model/coupon.h"

#include "model/text.h"

namespace andel {

const CouponTemplate& couponTemplate() {
    static const CouponTemplate layout = {
        "4444SSSSSSSS", "4222SSSSSSSS", "4111SSSSSSSS", "2421SSSSSSSS", "2214SSSSSSSS",
        "2142SSSSSSSS", "1412SSSSSSSS", "1241SSSSSSSS", "1124SSSSSSSS"};
    return layout;
}

CouponSet expandCoupons(const StemAnalysis& analysis, const CouponTemplate& layout) {
    CouponSet coupons;
    for (int c = 0; c < kCoupons; ++c) {
        for (int m = 0; m < kMatches; ++m) {
            const int position = analysis.position[m];
            const char code = position >= 1 && position <= kMatches ? layout[c][position - 1] : 'S';
            coupons[c].masks[m] = code >= '0' && code <= '7' ? SignMask(code - '0') : analysis.mask[m];
        }
    }
    return coupons;
}

std::int64_t rowsOf(const Coupon& coupon) {
    std::int64_t rows = 1;
    for (SignMask mask : coupon.masks) rows *= signCount(mask);
    return rows;
}

std::string maskDigits(const std::array<SignMask, kMatches>& masks) {
    std::string digits;
    for (SignMask mask : masks) digits += static_cast<char>('0' + mask);
    return digits;
}

std::string couponFileLine(const Coupon& coupon) {
    return padLeftZero(std::to_string(rowsOf(coupon)), 4) + " " + maskDigits(coupon.masks);
}

}  // namespace andel
