#pragma once
// The game week: a week number and a year, shown as " UKE 05 -2000".
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

struct GameWeek {
    int week = 0;
    int year = 1999;
    std::string suffix;  // letters A to C found in a parsed text
    friend bool operator==(const GameWeek&, const GameWeek&) = default;
};

// " UKE " + two-digit week + " -" + year.
std::string gameWeekText(const GameWeek& week);

// The digits before the first "-" (or "_") are the week, the digits after it the year;
// letters A to C anywhere are the suffix. No week digits give week 0, no year digits
// year 1999 (so an empty text is week "00" of 1999).
GameWeek parseGameWeek(std::string_view text);

// The selector's list: week 53 of the coming year down to week 1 of 1995, without week
// 53 of 2010.
std::vector<std::string> selectableGameWeeks(int currentYear);

// The ISO 8601 week of a date with its week-based year.
GameWeek gameWeekOf(std::chrono::year_month_day date);

}  // namespace andel
