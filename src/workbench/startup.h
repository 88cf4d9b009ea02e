#pragma once
// Steps of the main window's creation that read the working directory.
#include "platform/workspace.h"
#include "settings/agent_profile.h"
#include "settings/settings_store.h"
#include "workbench/selectors.h"
#include "workbench/workbench_state.h"

namespace andel {

// Line 1: company, address, postal address; line 2: "Telefon ..., Telefax ..., ".
void showAgentProfile(WorkbenchState& state, const AgentProfile& profile);

// Reads kommlogo.KVS and shows it; a missing file shows the defaults. A damaged file
// throws IoError and leaves the defaults shown.
void loadAgentProfile(WorkbenchState& state, const Workspace& workspace);

// Item 1 of the row price selector becomes "  " + REKKEPRIS_MIDTUKE (every blank of the
// setting removed, "1" when it is missing); item 0 stays "  1".
void loadMidweekRowPrice(WorkbenchState& state, const SettingsStore& settings);

// The creation steps of the main window in their order, on a state that already holds
// the default stem, five shares and the first items of the selectors: presence announced
// with the window's handle first and its caption last. A file error throws IoError and
// leaves the later steps undone.
void createWorkbench(WorkbenchState& state, const Workspace& workspace, Messages& messages, const RoundRefresh& round,
                     std::chrono::year_month_day today, std::uint32_t windowHandle);

// The round's team names (and, once fetched, its result) for the game week and coupon.
RoundRefresh roundRefresh(const Workspace& workspace, Messages& messages);

// Closing: the presence files withdrawn (each only if it exists, and only while Apulje1.tmp
// names this window) and the player written back, if the start-up read it. Nothing else
// is kept.
void closeWorkbench(const WorkbenchState& state, const Workspace& workspace, Messages& messages);

}  // namespace andel
