#include "customers/printed_documents.h"

#include "books/buyer_key.h"
#include "books/journal.h"

namespace andel {

Statement loadStatement(const Workspace& workspace, const ShareEntry& customer, const StatementPeriod& period,
                        Messages& messages) {
    static_cast<void>(messages);  // the books report their first use where they are opened for a change
    Journal journal(workspace);
    const std::string key = customerKeyOf(customer);
    const std::vector<Ledger> theirs = journal.read([&] { return journal.ledgersOfCustomer(key, period.asOf); });
    Statement statement = makeStatement(accountOf(key, theirs), period);
    statement.agent = readAgentProfile(workspace).profile;
    statement.customer = customer;
    statement.printedOn = todayLedgerDate();
    return statement;
}

std::vector<ReceiptSlip> loadReceiptSlips(const Workspace& workspace, const Ledger& ledger, const std::vector<int>& shares) {
    return receiptSlips(ledger, shares, readAgentProfile(workspace).profile, todayLedgerDate());
}

}  // namespace andel
