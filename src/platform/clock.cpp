#include "platform/clock.h"

#include <ctime>

namespace andel {

LocalDateTime localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    using namespace std::chrono;
    LocalDateTime result;
    result.date = year_month_day{year{parts.tm_year + 1900}, month{static_cast<unsigned>(parts.tm_mon + 1)},
                                 day{static_cast<unsigned>(parts.tm_mday)}};
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    result.second = parts.tm_sec;
    return result;
}

}  // namespace andel
