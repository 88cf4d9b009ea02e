#include "online/coupon_record.h"

#include "model/codepage.h"

#include <algorithm>
#include <stdexcept>

namespace andel {

RecordField coupon_field::rowField(int number) {
    if (number < 1 || number > kRowFields) throw std::out_of_range("row fields are 1 to 10");
    return {22 + kRowFieldBytes * static_cast<std::size_t>(number - 1), kRowFieldBytes};
}

namespace {

std::string defaultBytes(char fill) {
    std::string bytes = "0000" "00" "0" "0" "00" "01" "0001" "01" "001";
    bytes += std::string(coupon_field::kRowFields * coupon_field::kRowFieldBytes, fill);
    bytes += "?????????" + std::string(16 + 8 + 1 + 3 + 1, '0');
    bytes += "80/01/01" "00:00:00" "KVAS" "000000000" "00";
    return bytes;
}

}  // namespace

CouponRecord::CouponRecord(char fill) : CouponRecord(defaultBytes(fill), fill) {}

std::optional<CouponRecord> CouponRecord::fromBytes(std::string_view bytes) {
    if (bytes.size() != kRecordBytes) return std::nullopt;
    // The fill of a record read back is what its last row field holds, if anything.
    const char fill = bytes[coupon_field::rowField(coupon_field::kRowFields).position - 1];
    return CouponRecord(std::string(bytes), fill);
}

void CouponRecord::setRunningNumber(long number) {
    put(coupon_field::kRunningNumber, numericField(std::to_string(number), 4));
}

void CouponRecord::setTippingGame(std::string_view timeBasis, std::string_view couponType) {
    put(coupon_field::kGameCode, kTippingGameCode);
    put(coupon_field::kTimeBasis, timeBasis == "PAUSE" ? "1" : timeBasis == "BEGGE" ? "2" : "0");
    const bool midweek = couponType == "MIDTUKE" || couponType == "ONSDAG";
    put(coupon_field::kDay, couponType == "SØNDAG" ? "1" : midweek ? "2" : "0");
}

void CouponRecord::setGameCode(std::string_view code) {
    put(coupon_field::kGameCode, numericField(code, 2));
    put(coupon_field::kTimeBasis, "0");
    put(coupon_field::kDay, "0");
}

void CouponRecord::setWeeks(std::string_view text) { put(coupon_field::kWeeks, numericField(text, 2)); }
void CouponRecord::setSystemSize(std::string_view text) { put(coupon_field::kSystemSize, numericField(text, 4)); }
void CouponRecord::setRowFieldsInUse(std::string_view text) {
    put(coupon_field::kRowFieldsInUse, numericField(text, 2));
}
void CouponRecord::setMultiplier(std::string_view text) { put(coupon_field::kMultiplier, numericField(text, 3)); }

void CouponRecord::setRowField(int number, std::string_view bytes) {
    std::string field(bytes.substr(0, coupon_field::kRowFieldBytes));
    field.resize(coupon_field::kRowFieldBytes, fill_);
    put(coupon_field::rowField(number), field);
}

std::vector<std::string> CouponRecord::dump() const {
    constexpr std::size_t kTailStart = 282;
    std::vector<std::string> lines = {"K1-21:" + fromCp1252(bytes().substr(0, 21))};
    const std::string inUse(at(coupon_field::kRowFieldsInUse));
    const bool digits = std::all_of(inUse.begin(), inUse.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int fields = digits ? std::min(coupon_field::kRowFields, std::stoi(inUse)) : 0;
    for (int k = 1; k <= fields; ++k) {
        std::string label = "R" + std::to_string(k);
        label.resize(5, ' ');
        lines.push_back(label + ":" + fromCp1252(at(coupon_field::rowField(k))));
    }
    lines.push_back("K282 :" + fromCp1252(bytes().substr(kTailStart - 1)));
    return lines;
}

}  // namespace andel
