#pragma once
#include "platform/workspace.h"

// The files of the online subsystem in the demo directory: the download settings file,
// the backup directory and drive letters C and A mapped into the demo directory, so a
// made online file lands there and not in the user's home.
void writeOnlineDemo(const andel::Workspace& demo);
