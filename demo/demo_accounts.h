#pragma once
// Demo ledgers: one for each stored syndicate with an online file, its shares partly sold
// to customers of the demo register and partly paid.
#include "platform/workspace.h"

namespace andel::demo {

// Ledgers that already exist are left alone.
void writeDemoAccounts(const Workspace& demo);

}  // namespace andel::demo
