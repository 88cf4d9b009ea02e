#pragma once
// "Om andelstipp": the program's version and where its files are in the working
// directory, for the agent who is asked by support or moves to another machine.
#include "platform/workspace.h"

#include <string>

namespace andel {

// Lines joined by "\r", as a message box shows them.
std::string aboutText(const Workspace& workspace);

}  // namespace andel
