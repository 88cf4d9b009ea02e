#include "customers/printed_documents.h"

#include "books/ledger_store.h"

namespace andel {

Statement loadStatement(const Workspace& workspace, const ShareEntry& customer, const StatementPeriod& period,
                        Messages& messages) {
    const LedgerListing listing = listLedgers(workspace);
    for (const std::string& damaged : listing.damaged) messages.inform(damaged);
    Statement statement = makeStatement(accountOf(customerKeyOf(customer), listing.ledgers), period);
    statement.agent = readAgentProfile(workspace).profile;
    statement.customer = customer;
    statement.printedOn = todayLedgerDate();
    return statement;
}

std::vector<ReceiptSlip> loadReceiptSlips(const Workspace& workspace, const Ledger& ledger, const std::vector<int>& shares) {
    return receiptSlips(ledger, shares, readAgentProfile(workspace).profile, todayLedgerDate());
}

}  // namespace andel
