#include "results/prize_payout.h"

#include "model/text.h"

#include <algorithm>
#include <limits>

namespace andel {
namespace {

// A prize is a 32-bit amount; longer digit runs are held at its largest value, so the
// products below stay far inside 64 bits.
std::int64_t prizeOf(std::string_view text) {
    return std::min<std::int64_t>(parseAmount(text), std::numeric_limits<std::int32_t>::max());
}

}  // namespace

PrizePayout prizePayout(const PrizeCount& count, const PrizeForecasts& forecasts, int shares) {
    PrizePayout payout;
    payout.total = prizeOf(forecasts.twelve) * count.rows[12] + prizeOf(forecasts.eleven) * count.rows[11] +
                   prizeOf(forecasts.ten) * count.rows[10];
    payout.perShare = payout.total > 0 && shares > 0 ? payout.total / shares : payout.total;
    return payout;
}

std::string rowCountText(std::int64_t rows) { return rows == 0 ? "-" : std::to_string(rows); }

PrizeTexts prizeTexts(const PrizeCount& count, const PrizeForecasts& forecasts, int shares) {
    const PrizePayout payout = prizePayout(count, forecasts, shares);
    PrizeTexts texts;
    texts.premietotalt = formatAmount(payout.total);
    texts.premieprandel = formatAmount(payout.perShare);
    texts.pr12 = rowCountText(count.rows[12]);
    texts.pr11 = rowCountText(count.rows[11]);
    texts.pr10 = rowCountText(count.rows[10]);
    for (int k = 0; k < kRightCounts; ++k) texts.details[k] = rowCountText(count.rows[k]);
    return texts;
}

}  // namespace andel
