#pragma once
// The slips handed over the counter, as receipt printer slips (printing/slip): the receipt
// for a share ("Kvittering for andel") and the payout slip ("Utbetaling av gevinst"): who,
// which share, the amount, the day and the share's code.
#include "books/ledger.h"
#include "customers/receipt.h"
#include "printing/slip.h"
#include "settings/agent_profile.h"

#include <cstdint>
#include <string>

namespace andel {

Slip receiptSlipOf(const ReceiptSlip& receipt);

struct PayoutSlip {
    std::string serialNumber, weekText, couponType, shareCode;
    int share = 0, shares = 0;
    ShareEntry buyer;
    std::int64_t paidOut = 0, inCash = 0;  // all of it, and the part paid in cash
    LedgerDate paidOutOn, printedOn;
    AgentProfile agent;
};

// Why no payout slip can be printed for the share ("" when it can): a share the syndicate
// does not have, a voided ledger, or nothing paid out.
std::string payoutSlipRefusal(const Ledger& ledger, int share);
PayoutSlip payoutSlipOf(const Ledger& ledger, int share, const AgentProfile& agent, const LedgerDate& printedOn);
Slip payoutSlipOf(const PayoutSlip& payout);

}  // namespace andel
