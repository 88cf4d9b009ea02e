#pragma once
// What a statement and the receipts are made of, read from the working directory: the
// ledgers, the agent profile and today's date.
#include "customers/receipt.h"
#include "customers/statement.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <vector>

namespace andel {

// The customer's statement from the books: as they stand now, or with the period's `asOf` as
// they stood at the end of that day (what was recorded later, undos among it, left out), so
// that a statement of a past day prints the same figures however often it is printed again.
Statement loadStatement(const Workspace& workspace, const ShareEntry& customer, const StatementPeriod& period,
                        Messages& messages);

// The slips of the shares (receiptRefusal must have said ""), with the agent's profile.
std::vector<ReceiptSlip> loadReceiptSlips(const Workspace& workspace, const Ledger& ledger, const std::vector<int>& shares);

}  // namespace andel
