#pragma once
// The certificates of a syndicate with a ledger: each share's buyer, telephone and
// payment for the share list, and the buyer's name on the share's certificate.
#include "accounts/ledger.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "printing/certificate_template.h"

#include <vector>

namespace andel {

// Share by share; empty when no share has a buyer or a payment, so the pages print as
// without a ledger. Texts are cut to what their cells hold.
std::vector<ShareBuyer> certificateBuyers(const Ledger& ledger);

// The buyers from the ledger of the syndicate in hand: none without an online file or a
// ledger; a damaged ledger or one of another syndicate is named in a message and the
// certificates print with blank rows.
std::vector<ShareBuyer> ledgerBuyers(const WorkbenchState& state, const Workspace& workspace, Messages& messages);

}  // namespace andel
