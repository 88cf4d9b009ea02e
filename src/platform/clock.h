#pragma once
// The local date and time of this machine.
#include <chrono>

namespace andel {

struct LocalDateTime {
    std::chrono::year_month_day date;
    int hour = 0, minute = 0, second = 0;
};

LocalDateTime localNow();
inline std::chrono::year_month_day localToday() { return localNow().date; }

}  // namespace andel
