#pragma once
// The print settings of the certificates in the demo's config.kvs.
#include "platform/workspace.h"

namespace andel::demo {

// Sets the left margin and the mark adjustment the print dialog starts with, unless
// the settings already hold them.
void writeDemoPrinting(const Workspace& demo);

}  // namespace andel::demo
