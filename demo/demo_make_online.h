#pragma once
#include "platform/workspace.h"

// What making online files has left in the demo directory: a serial number that has run
// for a while in onlcopi and the directory chosen last time ("OnlinefilDrive").
void writeMakeOnlineDemo(const andel::Workspace& demo);
