#pragma once
// The result and prize forecasts of the round in hand, from the pools history.
#include "model/coupon_type.h"
#include "model/game_week.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "results/pools_history.h"
#include "results/prize_count.h"
#include "results/prize_payout.h"

#include <string>

namespace andel {

struct RoundResult {
    bool found = false;        // the history holds a line for the round
    std::string signs;         // the "1", "X" and "2" of its result text, at most 12
    PrizeForecasts forecasts;  // "-" each when there are no signs
};

// Signs and forecasts from a lookup: prizes grouped by thousands, and "Jacpot" for 12
// right when that prize is 0 while 11 or 10 right pay.
RoundResult roundResultOf(const HistoryLookup& lookup);

// Looks the round up in the history file of the coupon type and time basis (both
// results are played on the ordinary file's result).
RoundResult fetchRoundResult(const Workspace& workspace, Messages& messages, CouponType type,
                             TimeBasis basis, const GameWeek& week);

// Marks the results grid: match m gets the single mark of sign m; matches beyond the
// signs keep their marks. Without signs every mark is cleared.
void applyRoundResult(const RoundResult& result, ResultMasks& results);

}  // namespace andel
