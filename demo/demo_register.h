#pragma once
// Demo customer register WTOM.KVS and a few stored syndicates in pul1lgr/.
#include "platform/workspace.h"

namespace andel::demo {

// Files that already exist are left alone.
void writeDemoRegister(const Workspace& demo);
void writeDemoStorage(const Workspace& demo);

}  // namespace andel::demo
