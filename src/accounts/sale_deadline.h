#pragma once
// The sale's deadline per coupon type, as the agent sets it in the settings: a weekday
// and a time ("LØRDAG 14:45"), the last minute shares of that week's coupon are sold. No
// deadline is built in: a coupon type without one shows none and warns of nothing.
#include "books/ledger.h"
#include "platform/clock.h"
#include "settings/settings_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

struct SaleDeadline {
    int weekday = 6;  // 1 Monday .. 7 Sunday
    int hour = 0, minute = 0;
    friend bool operator==(const SaleDeadline&, const SaleDeadline&) = default;
};

// "MANDAG" .. "SØNDAG".
std::string_view weekdayText(int weekday);
// "LØRDAG 14:45" (day names in any case, "14.45" too); nothing for anything else.
std::optional<SaleDeadline> parseSaleDeadline(std::string_view text);
std::string saleDeadlineText(const SaleDeadline& deadline);

// The settings key of a coupon type's deadline: "SALGSFRIST_LORDAG", "..._SONDAG", "..._MIDTUKE".
std::string saleDeadlineKey(CouponType type);
std::optional<SaleDeadline> storedSaleDeadline(const SettingsStore& settings, CouponType type);
// An empty text removes the deadline; false (after the store's message) when not written.
bool storeSaleDeadline(SettingsStore& settings, CouponType type, const std::optional<SaleDeadline>& deadline);

// The moment of the deadline in the game week (ISO week) and the time from `now` to it
// in whole minutes (negative once it has passed).
LocalDateTime deadlineIn(const SaleDeadline& deadline, const GameWeek& week);
long long minutesLeft(const SaleDeadline& deadline, const GameWeek& week, const LocalDateTime& now);

// The day the round is played: the coupon's day in the game week (Wednesday for the
// midweek coupon).
LedgerDate roundDate(const GameWeek& week, CouponType couponType);

// The question to ask before a share is sold after its coupon type's deadline; "" when no
// deadline is set, it has not passed, the share is already sold, or the sale is closed
// (the books refuse that sale themselves).
std::string lateSaleQuestion(const Ledger& ledger, int share, const SettingsStore& settings, const LocalDateTime& now);

// The question to ask before a result is confirmed on a day before the round is played;
// "" on the round's day and after.
std::string earlyResultQuestion(const SyndicateFacts& facts, const LedgerDate& today);

// "2 d 0 t 1 min", "2 t 15 min": whole minutes as the agent reads them.
std::string timeLeftText(long long minutes);

// "Salgsfrist lørdag 12.12.2026 kl. 14:45: 2 t 15 min igjen", or "Salgsfristen gikk ut
// lørdag 12.12.2026 kl. 14:45".
std::string deadlineStatusText(const SaleDeadline& deadline, const GameWeek& week, const LocalDateTime& now);

// The ledgers of the current game week whose sale is still open after their coupon
// type's deadline: one warning each, naming the serial number and the deadline.
std::vector<std::string> lateOpenSales(const std::vector<Ledger>& ledgers, const SettingsStore& settings,
                                       const LocalDateTime& now);

}  // namespace andel
