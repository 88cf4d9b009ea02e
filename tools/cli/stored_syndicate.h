#pragma once
// A stored syndicate of pul1lgr/ loaded as the main window holds it after fetching it
// from the storage browser.
#include "cli_support.h"
#include "workbench/workbench_state.h"

#include <string>

namespace andel::cli {

// Loads the file, recomputes the system and the price and loads the round's team
// names; false (with the load's messages shown) when the file cannot be loaded.
bool loadStoredSyndicate(WorkbenchState& state, const std::string& fileName, Context& context);

}  // namespace andel::cli
