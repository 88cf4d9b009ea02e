#pragma once
// The agent's edits of the stem: toggling a sign, resetting, dragging a match.
#include "model/coupon.h"
#include "workbench/workbench_state.h"

namespace andel {

Stem stemOf(const WorkbenchState& state);
// Kinds counted as the window counts them: by the length of a row's cell texts put together.
KindCounts gridKindCounts(const WorkbenchState& state);
void putStem(WorkbenchState& state, const Stem& stem);
// The nine coupons of the coupon grid (columns 5-13): a cell's digits are its mask, a
// cell without digits is 0.
CouponSet couponsOf(const WorkbenchState& state);

// Toggles cell (column 1-3, row 1-12) under the stem's invariants: the last sign of a
// match stays and at least four matches stay fully guarded (undone silently). Forgets
// the online file and recomputes.
void toggleStemCell(WorkbenchState& state, int column, int row);

// "Resett stamme": all 36 cells marked, then recompute.
void resetStemGrid(WorkbenchState& state);

// Dragging a match in the coupon grid swaps the stem rows it passes; nothing is
// recomputed until the next change.
void startCouponDrag(WorkbenchState& state, int row);
void moveCouponDrag(WorkbenchState& state, int row);
void endCouponDrag(WorkbenchState& state);

}  // namespace andel
