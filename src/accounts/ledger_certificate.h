#pragma once
// The certificates of a syndicate with a ledger: each share's buyer, telephone and
// payment for the share list, and the buyer's name on the share's certificate.
#include "books/ledger.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "printing/certificate_template.h"

#include <optional>
#include <vector>

namespace andel {

// Share by share: buyer, telephone, paid, and once the result is confirmed the share's
// winnings and what it was paid out (with the date). Empty when no share has a buyer or a
// payment, so the pages print as without a ledger. Texts are cut to what their cells hold.
std::vector<ShareBuyer> certificateBuyers(const Ledger& ledger);

// The buyers from the ledger of the online file in hand. Certificates are printed for
// the round the online file was made for: when the syndicate in hand has moved to another
// week (or differs otherwise), or the ledger is voided, the printing is refused with a
// message (nothing). Without a ledger, or with a damaged one, a message says so and the
// certificates print with blank rows. Without an online file there are no buyers.
std::optional<std::vector<ShareBuyer>> ledgerBuyers(const WorkbenchState& state, const Workspace& workspace,
                                                    Messages& messages);

}  // namespace andel
