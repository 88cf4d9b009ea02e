#include "accounts/sale_deadline.h"

#include "model/text.h"

#include <array>
#include <chrono>
#include <tuple>

namespace andel {
namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"MANDAG", "TIRSDAG", "ONSDAG", "TORSDAG", "FREDAG", "LØRDAG", "SØNDAG"};

std::chrono::sys_days daysOf(const std::chrono::year_month_day& date) { return std::chrono::sys_days(date); }

long long minutesOf(const LocalDateTime& at) {
    return daysOf(at.date).time_since_epoch().count() * 24LL * 60 + at.hour * 60LL + at.minute;
}

std::string dateAndTime(const LocalDateTime& at) {
    return twoDigits(static_cast<int>(static_cast<unsigned>(at.date.day()))) + "." +
           twoDigits(static_cast<int>(static_cast<unsigned>(at.date.month()))) + "." +
           std::to_string(static_cast<int>(at.date.year())) + " kl. " + twoDigits(at.hour) + ":" + twoDigits(at.minute);
}

// The weekday the coupon's round is played: Saturday, Sunday, and Wednesday in midweek.
int roundWeekday(CouponType type) { return type == CouponType::Sunday ? 7 : type == CouponType::Midweek ? 3 : 6; }

std::string lowerDay(int weekday) {
    std::string day(weekdayText(weekday));
    for (char& c : day) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    // "Ø" is two bytes in UTF-8; its small form differs in the second.
    if (const auto at = day.find("\xC3\x98"); at != std::string::npos) day[at + 1] = '\xB8';
    return day;
}

}  // namespace

std::string_view weekdayText(int weekday) {
    return weekday >= 1 && weekday <= 7 ? kWeekdays[static_cast<std::size_t>(weekday - 1)] : std::string_view();
}

std::optional<SaleDeadline> parseSaleDeadline(std::string_view text) {
    const std::string clean = upperCase(trimBlanks(text));
    const std::size_t blank = clean.rfind(' ');
    if (blank == std::string::npos) return std::nullopt;
    const std::string day = trimBlanks(clean.substr(0, blank)), time = clean.substr(blank + 1);
    SaleDeadline deadline;
    deadline.weekday = 0;
    for (std::size_t i = 0; i < kWeekdays.size(); ++i) {
        if (day == kWeekdays[i] || (day == "LORDAG" && i == 5) || (day == "SONDAG" && i == 6)) deadline.weekday = static_cast<int>(i) + 1;
    }
    if (deadline.weekday == 0 || time.size() != 5 || (time[2] != ':' && time[2] != '.')) return std::nullopt;
    const std::string hh = time.substr(0, 2), mm = time.substr(3, 2);
    if (digitsOnly(hh) != hh || digitsOnly(mm) != mm) return std::nullopt;
    deadline.hour = std::stoi(hh);
    deadline.minute = std::stoi(mm);
    if (deadline.hour > 23 || deadline.minute > 59) return std::nullopt;
    return deadline;
}

std::string saleDeadlineText(const SaleDeadline& d) {
    return std::string(weekdayText(d.weekday)) + " " + twoDigits(d.hour) + ":" + twoDigits(d.minute);
}

std::string saleDeadlineKey(CouponType type) {
    switch (type) {
        case CouponType::Saturday: return "SALGSFRIST_LORDAG";
        case CouponType::Sunday: return "SALGSFRIST_SONDAG";
        case CouponType::Midweek: return "SALGSFRIST_MIDTUKE";
    }
    return "SALGSFRIST_LORDAG";
}

std::optional<SaleDeadline> storedSaleDeadline(const SettingsStore& settings, CouponType type) {
    const SettingValue value = settings.getString(saleDeadlineKey(type));
    return value.found ? parseSaleDeadline(value.value) : std::nullopt;
}

bool storeSaleDeadline(SettingsStore& settings, CouponType type, const std::optional<SaleDeadline>& deadline) {
    return settings.setString(saleDeadlineKey(type), deadline ? saleDeadlineText(*deadline) : std::string());
}

LocalDateTime deadlineIn(const SaleDeadline& deadline, const GameWeek& week) {
    using namespace std::chrono;
    // Monday of ISO week 1 is the Monday on or before 4 January.
    const sys_days january4 = sys_days(year_month_day(year(week.year), January, day(4)));
    const weekday fourth(january4);
    const sys_days monday1 = january4 - days((fourth.iso_encoding() - 1));
    const sys_days at = monday1 + days(7 * (week.week - 1) + deadline.weekday - 1);
    return LocalDateTime{year_month_day(at), deadline.hour, deadline.minute, 0};
}

long long minutesLeft(const SaleDeadline& deadline, const GameWeek& week, const LocalDateTime& now) {
    return minutesOf(deadlineIn(deadline, week)) - minutesOf(now);
}

std::string deadlineStatusText(const SaleDeadline& deadline, const GameWeek& week, const LocalDateTime& now) {
    const std::string when = lowerDay(deadline.weekday) + " " + dateAndTime(deadlineIn(deadline, week));
    const long long left = minutesLeft(deadline, week, now);
    if (left < 0) return "Salgsfristen gikk ut " + when;
    return "Salgsfrist " + when + ": " + timeLeftText(left) + " igjen";
}

LedgerDate roundDate(const GameWeek& week, CouponType couponType) {
    const std::chrono::year_month_day played = deadlineIn(SaleDeadline{roundWeekday(couponType), 0, 0}, week).date;
    return {static_cast<int>(static_cast<unsigned>(played.day())), static_cast<int>(static_cast<unsigned>(played.month())),
            static_cast<int>(played.year())};
}

std::string lateSaleQuestion(const Ledger& ledger, int share, const SettingsStore& settings, const LocalDateTime& now) {
    if (ledger.voided || ledger.saleClosed || share < 1 || share > static_cast<int>(ledger.entries.size())) return {};
    if (ledger.entries[static_cast<std::size_t>(share - 1)].sold()) return {};
    const auto deadline = storedSaleDeadline(settings, ledger.facts.couponType);
    if (!deadline || minutesLeft(*deadline, ledger.facts.week, now) >= 0) return {};
    return deadlineStatusText(*deadline, ledger.facts.week, now) + " (" + std::string(couponTypeText(ledger.facts.couponType)) +
           ").\rSelge andel " + std::to_string(share) + " likevel?";
}

std::string earlyResultQuestion(const SyndicateFacts& facts, const LedgerDate& today) {
    const LedgerDate played = roundDate(facts.week, facts.couponType);
    if (std::tuple(today.year, today.month, today.day) >= std::tuple(played.year, played.month, played.day)) return {};
    return "Runden for " + weekText(facts.week) + " (" + std::string(couponTypeText(facts.couponType)) + ") spilles " +
           lowerDay(roundWeekday(facts.couponType)) + " " + ledgerDateText(played) + ".\rGodkjenne resultatet før runden er spilt?";
}

std::string timeLeftText(long long left) {
    const long long days = left / (24 * 60), hours = left / 60 % 24, minutes = left % 60;
    std::string text = days > 0 ? std::to_string(days) + " d " : std::string();
    return text + std::to_string(hours) + " t " + std::to_string(minutes) + " min";
}

std::vector<std::string> lateOpenSales(const std::vector<Ledger>& ledgers, const SettingsStore& settings,
                                       const LocalDateTime& now) {
    std::vector<std::string> warnings;
    const GameWeek current = gameWeekOf(now.date);
    std::array<std::optional<std::optional<SaleDeadline>>, kCouponTypeCount> deadlines;  // read once per type
    for (const Ledger& ledger : ledgers) {
        const SyndicateFacts& f = ledger.facts;
        if (ledger.voided || ledger.saleClosed || f.week.week != current.week || f.week.year != current.year) continue;
        auto& deadline = deadlines[static_cast<std::size_t>(f.couponType)];
        if (!deadline) deadline = storedSaleDeadline(settings, f.couponType);
        if (!*deadline || minutesLeft(**deadline, f.week, now) >= 0) continue;
        warnings.push_back("Salget for serienummer " + f.serialNumber + " (" + std::string(couponTypeText(f.couponType)) +
                           ") er fortsatt åpent etter salgsfristen " + lowerDay((*deadline)->weekday) + " kl. " +
                           twoDigits((*deadline)->hour) + ":" + twoDigits((*deadline)->minute) + ": steng salget.");
    }
    return warnings;
}

}  // namespace andel
