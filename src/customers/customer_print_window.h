#pragma once
// The print commands of a customer's account and of a ledger's shares, for the windows'
// buttons: each opens the program's print choice (preview, printer, PDF) over `parent`.
#include "customers/statement.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <vector>

class QWidget;

namespace andel {

// "Kontoutskrift": the customer's shares across every readable ledger whose round lies in
// the period. A file error is shown and nothing is printed.
void printCustomerStatement(QWidget* parent, const Workspace& workspace, const ShareEntry& customer,
                            const StatementPeriod& period, Messages& messages);

// "Kvittering for andel": a slip per share, three to a page. Shares nobody bought, shares
// the syndicate does not have and a voided ledger are refused with a message before the
// print choice opens.
void printShareReceipts(QWidget* parent, const Workspace& workspace, const Ledger& ledger, const std::vector<int>& shares,
                        Messages& messages);

}  // namespace andel
