#pragma once
// Paying a share from its buyer's balance: the buyer's confirmed winnings not yet paid
// out, in other shares of ledgers that are not voided, pay the share's price, so a small
// win rolls into next week's share without cash. The oldest winnings are used first.
#include "accounts/balance_transfer.h"
#include "accounts/ledger.h"
#include "platform/workspace.h"
#include "settings/settings_store.h"

#include <string>
#include <vector>

namespace andel {

struct BalancePlan {
    std::vector<BalanceLink> sources;  // empty when refused
    std::string refused;
};
// The winning shares that together pay the share's price, or why it cannot be paid so.
BalancePlan planBalancePayment(const std::vector<Ledger>& ledgers, const std::string& serialNumber, int share);

// Under the ledger lock, on the ledgers as they stand: "" when paid (or undone), else the
// refusal; nothing has changed then. A file error throws IoError.
std::string payFromBalance(const Workspace& workspace, const std::string& serialNumber, int share,
                           const LedgerDate& today, const WaitFunction& wait = sleepMilliseconds);
std::string undoBalancePayment(const Workspace& workspace, const std::string& serialNumber, int share,
                               const LedgerDate& today, const WaitFunction& wait = sleepMilliseconds);

}  // namespace andel
