#pragma once
// What the counted rows pay with the round's prize forecasts, in total and per share,
// and the texts the prize panel shows.
#include "results/prize_count.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace andel {

// Shown for 12 right when only the lower prizes are paid this round.
inline constexpr std::string_view kJackpotText = "Jacpot";

// The prize for one row with 12, 11 and 10 right (`premie12`, `premie11`, `premie10`).
// Only their digits count: "Jacpot" or "-" pays 0.
struct PrizeForecasts {
    std::string twelve = "0";
    std::string eleven = "0";
    std::string ten = "0";
    friend bool operator==(const PrizeForecasts&, const PrizeForecasts&) = default;
};

struct PrizePayout {
    std::int64_t total = 0;
    // The total divided by the shares, rounded down. Without shares the total stays
    // whole rather than dividing by zero.
    std::int64_t perShare = 0;
};

PrizePayout prizePayout(const PrizeCount& count, const PrizeForecasts& forecasts, int shares);

// A row count as the panel shows it: "-" for 0.
std::string rowCountText(std::int64_t rows);

struct PrizeTexts {
    std::string premietotalt;   // grouped by thousands
    std::string premieprandel;  // grouped by thousands
    std::string pr12, pr11, pr10;
    std::array<std::string, kRightCounts> details;  // `p0` .. `p12`, by number of right
};

PrizeTexts prizeTexts(const PrizeCount& count, const PrizeForecasts& forecasts, int shares);

}  // namespace andel
