#include "model/game_week.h"

#include "model/text.h"

#include <algorithm>

namespace andel {
namespace {

int toInt(const std::string& digits, int fallback) {
    if (digits.empty()) return fallback;
    return static_cast<int>(std::min<std::int64_t>(parseAmount(digits), 999999));
}

}  // namespace

std::string gameWeekText(const GameWeek& week) {
    return " UKE " + twoDigits(week.week) + " -" + std::to_string(week.year);
}

GameWeek parseGameWeek(std::string_view text) {
    std::string weekDigits, yearDigits, suffix;
    bool afterDash = false;
    for (char c : text) {
        if (c == '-' || c == '_') {
            afterDash = true;
        } else if (c >= '0' && c <= '9') {
            (afterDash ? yearDigits : weekDigits) += c;
        } else if (c >= 'A' && c <= 'C') {
            suffix += c;
        }
    }
    return GameWeek{toInt(weekDigits, 0), toInt(yearDigits, 1999), suffix};
}

std::vector<std::string> selectableGameWeeks(int currentYear) {
    std::vector<std::string> weeks;
    weeks.reserve(static_cast<std::size_t>(std::max(0, currentYear + 2 - 1995)) * 53);
    for (int year = currentYear + 1; year >= 1995; --year) {
        for (int week = 53; week >= 1; --week) {
            if (year == 2010 && week == 53) continue;
            weeks.push_back(gameWeekText(GameWeek{week, year, {}}));
        }
    }
    return weeks;
}

GameWeek gameWeekOf(std::chrono::year_month_day date) {
    using namespace std::chrono;
    const sys_days day{date};
    // The Thursday of the date's week decides the week-based year.
    const int isoWeekday = static_cast<int>(weekday{day}.iso_encoding());  // Monday 1 .. Sunday 7
    const sys_days thursday = day + days{4 - isoWeekday};
    const year_month_day thursdayDate{thursday};
    const sys_days firstOfYear{thursdayDate.year() / January / 1};
    const int week = static_cast<int>((thursday - firstOfYear).count() / 7) + 1;
    return GameWeek{week, static_cast<int>(thursdayDate.year()), {}};
}

}  // namespace andel
