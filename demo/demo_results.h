#pragma once
// Demo rounds: results files, files of team names and pools history for the current
// game week and the weeks before it.
#include "platform/workspace.h"

namespace andel::demo {

// Rounds around today's date. Files that already exist are left alone.
void writeDemoResults(const Workspace& demo);

}  // namespace andel::demo
