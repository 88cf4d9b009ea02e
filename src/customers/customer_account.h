#pragma once
// A buyer's account across syndicates: every share a register customer holds in every
// ledger that is not voided, with its price, payment, winnings and payout, and the
// balance the agent and the customer settle at the counter. And the other way round:
// every sold share not yet paid, by customer ("Utestående").
//
// A share belongs to a customer by the customer key alone (books/buyer_key). Winnings
// count only on a result the agent confirmed and only for a share paid in full: a forecast,
// or the win of an unpaid share, is never money owed to anybody.
#include "books/buyer_key.h"
#include "books/ledger_fold.h"
#include "books/ledger_fold.h"
#include "books/ledger.h"
#include "register/customer_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace andel {


struct AccountShare {
    std::string serialNumber;
    GameWeek week;
    CouponType couponType = CouponType::Saturday;
    int share = 0;
    std::int64_t price = 0;
    std::optional<std::int64_t> paid;
    std::optional<LedgerDate> paidOn;
    std::optional<std::int64_t> winnings;  // the share's part of a confirmed prize, when paid in full (else 0)
    std::optional<std::int64_t> paidOut;
    std::optional<LedgerDate> paidOutOn;
    bool paidFromBalance = false;      // "betalt fra saldo"
    std::int64_t movedToBalance = 0;   // of the payout, what paid the buyer's other shares
    friend bool operator==(const AccountShare&, const AccountShare&) = default;
};

struct CustomerAccount {
    std::vector<AccountShare> shares;  // oldest week first, then serial and share (voided syndicates left out)
    std::int64_t unpaid = 0;           // prices not yet paid
    std::int64_t winningsDue = 0;      // credited winnings not yet paid out or spent
    std::int64_t refundsOwed = 0;      // paid for voided syndicates, owed back (set by the caller from the books)
    // What the customer may spend on shares or be paid: winnings less payouts, less what
    // paid other shares, less debts left by a corrected result (negative then).
    std::int64_t spendable = 0;
    std::int64_t balance() const { return spendable; }
    friend bool operator==(const CustomerAccount&, const CustomerAccount&) = default;
};

// The account of the customer over the ledgers.
CustomerAccount accountOf(const std::string& customerKey, const std::vector<Ledger>& ledgers);

// Every sold share not paid in full in a ledger that is not voided, by customer: the
// customer's name as the first of their shares gives it, the telephone and player number
// from the first share that has them.
struct OwingShare {
    std::string serialNumber;
    GameWeek week;
    int share = 0;
    std::int64_t missing = 0;  // the price less what was paid
};
struct OwingCustomer {
    std::string name, telephone, playerNumber;
    std::vector<OwingShare> shares;
    std::int64_t total = 0;
};
// Sorted by name; the grand total is the sum of the customers' totals. The agent's own
// shares of a closed sale are nobody's debt and left out.
std::vector<OwingCustomer> owingCustomers(const std::vector<Ledger>& ledgers);



}  // namespace andel
