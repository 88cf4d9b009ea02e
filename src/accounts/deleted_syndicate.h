#pragma once
// A stored syndicate deleted in the storage browser leaves its ledger behind; a live one
// would go on counting in the season. The agent is asked whether it shall be voided.
#include "platform/messages.h"
#include "platform/workspace.h"

#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kDeletedSyndicateReason = "Lagret andelslag slettet";

// After the stored syndicate with the serial number was deleted: when its ledger is
// live (not voided), asks Ja/Nei whether to void it, and voids it on Ja. No ledger, or a
// voided one, asks nothing. A refusal is shown; a file error throws IoError.
void offerVoidingOfDeletedSyndicate(const Workspace& workspace, const std::string& serialNumber, Messages& messages);

}  // namespace andel
