#include "platform/file_time.h"

namespace andel {

std::optional<LocalDateTime> fileChangedAt(const std::filesystem::path& file, const LocalDateTime& now) {
    using namespace std::chrono;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto changed = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    const seconds age = floor<seconds>(std::filesystem::file_time_type::clock::now() - changed);

    const local_seconds localNow = local_days(now.date) + hours(now.hour) + minutes(now.minute) + seconds(now.second);
    const local_seconds at = localNow - age;
    const local_days day = floor<days>(at);
    const hh_mm_ss<seconds> time(at - day);
    LocalDateTime result;
    result.date = year_month_day(day);
    result.hour = static_cast<int>(time.hours().count());
    result.minute = static_cast<int>(time.minutes().count());
    result.second = static_cast<int>(time.seconds().count());
    return result;
}

}  // namespace andel
