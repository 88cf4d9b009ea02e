#pragma once
// The prize panel's work on the workbench state: the round's result in the results
// grid, and the count of the nine coupons against it. Nothing is counted or fetched
// while the panel is closed.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "results/prize_count.h"
#include "workbench/workbench_state.h"

namespace andel {

ResultMasks resultMasksOf(const WorkbenchState& state);

// Counts the coupons against the results grid and shows counts, wrong signs and prizes;
// for BEGGE also the half time's total prize on its fetched result.
void recountPrizes(WorkbenchState& state);

// Looks up the round of the selectors in the pools history: marks the results grid and
// fills the three forecasts. BEGGE also fetches the half time's result and forecasts
// from the half-time history, beside the grid.
void fetchRoundResult(WorkbenchState& state, const Workspace& workspace, Messages& messages);

// A click on a result cell (column 1-3, row 1-12): that cell alone is marked in its row.
void clickResultCell(WorkbenchState& state, int column, int row);

// "Premietelling", "Lukk" and "X": opens the panel (fetching the result and counting)
// or closes it; the command panel is hidden either way.
void togglePrizePanel(WorkbenchState& state, const Workspace& workspace, Messages& messages);

}  // namespace andel
