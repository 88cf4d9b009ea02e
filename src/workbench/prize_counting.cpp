#include "workbench/prize_counting.h"

#include "model/text.h"
#include "results/prize_payout.h"
#include "results/round_result.h"
#include "workbench/recompute.h"
#include "workbench/selectors.h"
#include "workbench/stem_editing.h"

namespace andel {

ResultMasks resultMasksOf(const WorkbenchState& state) {
    ResultMasks masks{};
    for (int m = 0; m < kMatches; ++m) {
        for (int column = 1; column <= 3; ++column) {
            if (!trimBlanks(state.testgrid.at(column, m + 1)).empty()) masks[m] |= kSignBits[column - 1];
        }
    }
    return masks;
}

namespace {

// The half time's prize of a BEGGE syndicate, counted as the full time's is.
void recountHalfTime(WorkbenchState& state, const CouponSet& coupons) {
    if (timeBasisOf(state) != TimeBasis::Both) {
        state.premiepause.clear();
        return;
    }
    if (state.pauseSigns.empty()) {
        state.premiepause = "-";
        return;
    }
    ResultMasks masks{};
    applyRoundResult(RoundResult{true, state.pauseSigns, {}}, masks);
    const PrizeForecasts forecasts{state.pauseForecasts[0], state.pauseForecasts[1], state.pauseForecasts[2]};
    state.premiepause = prizeTexts(countPrizes(coupons, masks), forecasts, sharesOf(state)).premietotalt;
}

// BEGGE: the half time's result from its own history file; nothing for the other bases.
void fetchHalfTime(WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    state.pauseSigns.clear();
    state.pauseForecasts = {};
    if (timeBasisOf(state) != TimeBasis::Both) return;
    const RoundResult result = fetchRoundResult(workspace, messages, couponTypeOf(state), TimeBasis::HalfTime,
                                                parseGameWeek(gameWeekTextOf(state)));
    state.pauseSigns = result.signs;
    state.pauseForecasts = {result.forecasts.twelve, result.forecasts.eleven, result.forecasts.ten};
}

}  // namespace

void recountPrizes(WorkbenchState& state) {
    if (!state.prizePanelOpen) return;
    const CouponSet coupons = couponsOf(state);
    const PrizeCount count = countPrizes(coupons, resultMasksOf(state));
    state.wrongSigns = count.wrongSigns;
    const PrizeTexts texts =
        prizeTexts(count, PrizeForecasts{state.premie12, state.premie11, state.premie10}, sharesOf(state));
    state.premietotalt = texts.premietotalt;
    state.premieprandel = texts.premieprandel;
    state.pr12 = texts.pr12;
    state.pr11 = texts.pr11;
    state.pr10 = texts.pr10;
    for (int k = 0; k < kRightCounts; ++k) state.prizeDetails[k] = texts.details[k];
    recountHalfTime(state, coupons);
}

void fetchRoundResult(WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    if (!state.prizePanelOpen) return;
    const RoundResult result = fetchRoundResult(workspace, messages, couponTypeOf(state), timeBasisOf(state),
                                                parseGameWeek(gameWeekTextOf(state)));
    ResultMasks masks = resultMasksOf(state);
    applyRoundResult(result, masks);
    for (int m = 0; m < kMatches; ++m) {
        for (int column = 1; column <= 3; ++column) {
            state.testgrid.at(column, m + 1) = masks[m] & kSignBits[column - 1] ? "X" : "";
        }
    }
    state.premie12 = result.forecasts.twelve;
    state.premie11 = result.forecasts.eleven;
    state.premie10 = result.forecasts.ten;
    fetchHalfTime(state, workspace, messages);
}

void clickResultCell(WorkbenchState& state, int column, int row) {
    if (column < 1 || column > 3 || row < 1 || row > kMatches) return;
    for (int c = 1; c <= 3; ++c) state.testgrid.at(c, row) = c == column ? "X" : "";
    recountPrizes(state);
}

void togglePrizePanel(WorkbenchState& state, const Workspace& workspace, Messages& messages) {
    state.commandPanelVisible = false;
    state.prizePanelOpen = !state.prizePanelOpen;
    if (!state.prizePanelOpen) return;
    fetchRoundResult(state, workspace, messages);
    recountPrizes(state);
}

}  // namespace andel
