#pragma once
// The recomputation that ties the stem grid to the coupon grid, the system panel and
// the price fields.
#include "workbench/workbench_state.h"

namespace andel {

// Reads the stem grid and the selectors; fills the coupon grid, the counts, the row
// totals, the system panel's lines, the stake, the price per share and the enabling
// of the three commands.
void recomputeSystem(WorkbenchState& state);

// Stake and price per share, read back from the display texts as the window shows them.
void recomputePrice(WorkbenchState& state);

// Clears the online file's status fields and hides its info panel: certificates for a
// changed syndicate need a new online file.
void forgetOnlineFile(WorkbenchState& state);

// The number of shares chosen in the main share selector (0 when nothing is chosen).
int sharesOf(const WorkbenchState& state);

// The share selectors (main, and the one in the preview panel) follow each other.
void chooseShares(WorkbenchState& state, int index);
void chooseSharesInPreview(WorkbenchState& state, int index);

// Selector items "   1" to "   120".
std::vector<std::string> shareSelectorItems();

// A state as the window has it after creation: selectors at their first items, five
// shares, the default stem, recomputed.
WorkbenchState initialWorkbenchState();

}  // namespace andel
