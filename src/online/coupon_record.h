#pragma once
// The coupon record of the online file: one coupon with up to ten row fields.
#include "online/online_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

namespace coupon_field {
inline constexpr RecordField kRunningNumber{1, 4};
inline constexpr RecordField kGameCode{5, 2};
inline constexpr RecordField kTimeBasis{7, 1};
inline constexpr RecordField kDay{8, 1};
inline constexpr RecordField kWeeks{11, 2};
inline constexpr RecordField kSystemSize{13, 4};
inline constexpr RecordField kRowFieldsInUse{17, 2};
inline constexpr RecordField kMultiplier{19, 3};
inline constexpr RecordField kTag{336, 4};
inline constexpr int kRowFields = 10;
inline constexpr std::size_t kRowFieldBytes = 26;
// Row field 1 to 10.
RecordField rowField(int number);
}  // namespace coupon_field

inline constexpr std::string_view kTippingGameCode = "31";

class CouponRecord : public OnlineRecord {
public:
    // Every field at its default; the row fields hold `fill`.
    explicit CouponRecord(char fill = '0');
    // Nothing unless `bytes` is exactly one record.
    static std::optional<CouponRecord> fromBytes(std::string_view bytes);

    void setRunningNumber(long number);  // decimal, "0"-padded to 4, cut
    // Game code "31"; time basis "1" for PAUSE, "2" for BEGGE, else "0"; day "1" for
    // SØNDAG, "2" for MIDTUKE or ONSDAG, else "0".
    void setTippingGame(std::string_view timeBasis, std::string_view couponType);
    // The other games: their code, and "0" for time basis and day.
    void setGameCode(std::string_view code);
    void setWeeks(std::string_view text);          // "0"-padded to 2, cut
    void setSystemSize(std::string_view text);     // "0"-padded to 4, cut
    void setRowFieldsInUse(std::string_view text); // "0"-padded to 2, cut
    void setMultiplier(std::string_view text);     // "0"-padded to 3, cut
    // Row field 1 to 10 from its bytes, filled up or cut to 26.
    void setRowField(int number, std::string_view bytes);

    // The record as text lines for the online-file window's list: "K1-21:" and positions
    // 1-21, "R1   :" to "R10  :" and the row fields in use, "K282 :" and positions 282-350.
    std::vector<std::string> dump() const;

private:
    CouponRecord(std::string bytes, char fill) : OnlineRecord(std::move(bytes)), fill_(fill) {}
    char fill_;
};

}  // namespace andel
