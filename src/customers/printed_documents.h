#pragma once
// What a statement and the receipts are made of, read from the working directory: the
// ledgers, the agent profile and today's date.
#include "customers/receipt.h"
#include "customers/statement.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <vector>

namespace andel {

// The customer's statement over every readable ledger; each ledger that cannot be read
// is named to `messages` and left out.
Statement loadStatement(const Workspace& workspace, const ShareEntry& customer, const StatementPeriod& period,
                        Messages& messages);

// The slips of the shares (receiptRefusal must have said ""), with the agent's profile.
std::vector<ReceiptSlip> loadReceiptSlips(const Workspace& workspace, const Ledger& ledger, const std::vector<int>& shares);

}  // namespace andel
