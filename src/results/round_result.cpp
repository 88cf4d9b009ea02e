#include "results/round_result.h"

#include "model/text.h"

namespace andel {
namespace {

SignMask maskOfSign(char sign) {
    switch (sign) {
        case '1': return kHome;
        case 'X': return kDraw;
        default: return kAway;
    }
}

}  // namespace

RoundResult roundResultOf(const HistoryLookup& lookup) {
    RoundResult result;
    result.found = lookup.found;
    if (lookup.found) {
        for (char c : lookup.record.resultText) {
            if (result.signs.size() == kMatches) break;
            if (c == '1' || c == 'X' || c == '2') result.signs += c;
        }
    }
    if (result.signs.empty()) {
        result.forecasts = {"-", "-", "-"};
        return result;
    }
    const StatisticsRecord& record = lookup.record;
    const bool jackpot = record.prize12 == 0 &&
                         static_cast<std::int64_t>(record.prize11) + record.prize10 > 0;
    result.forecasts = {jackpot ? std::string(kJackpotText) : formatAmount(record.prize12),
                        formatAmount(record.prize11), formatAmount(record.prize10)};
    return result;
}

RoundResult fetchRoundResult(const Workspace& workspace, Messages& messages, CouponType type,
                             TimeBasis basis, const GameWeek& week) {
    // The day is the first letter of the coupon type's text: L, S or M.
    const char day = couponTypeText(type).front();
    const auto name = statisticsName(day, basis == TimeBasis::HalfTime);
    if (!name) return roundResultOf(HistoryLookup{});
    return roundResultOf(lookupHistory(workspace, messages, *name, week.week, week.year));
}

void applyRoundResult(const RoundResult& result, ResultMasks& results) {
    if (result.signs.empty()) {
        results.fill(0);
        return;
    }
    for (std::size_t m = 0; m < result.signs.size() && m < results.size(); ++m) {
        results[m] = maskOfSign(result.signs[m]);
    }
}

}  // namespace andel
