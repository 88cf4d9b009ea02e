#pragma once
// The money rules, in one place for the windows and the tool alike. Each command reads the
// books, checks its rules and records its event inside one transaction, so what it checked
// is what it changed; it returns "" when recorded, else the refusal, which names what
// stands (date and amount), and nothing is recorded then. A file error throws IoError.
//
// - A customer is one customer key; a share's buyer is changed only while no money is
//   recorded on it, and not after the sale is closed or the result confirmed unless the
//   change is a correction with a reason.
// - Payments add up to the price and never beyond it; a payment after the result was
//   confirmed is a correction with a reason.
// - Only a fully paid share wins; a payout takes at most what is left of the share's
//   winnings and of the customer's balance (their winnings less payouts, less what paid
//   other shares, less debts), which is also what a payment from the balance may spend.
// - Business dates are real days, not after today and not before the syndicate was made.
// - Every undo is a reversing event with a reason; voiding reverses the syndicate's money:
//   what was paid is owed back, what came from the balance returns to it.
// - A lower result after payouts leaves the overpaid amount as the customer's debt.
#include "books/journal.h"
#include "books/ledger.h"
#include "books/ledger_edit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// Who records and on which day.
struct Clerk {
    std::string agent;
    LedgerDate today;
};
Clerk clerkOf(const Workspace& workspace);  // the agent from kommlogo.KVS, today

// A syndicate's ledger made when its online file is made; an existing one of the same serial
// number and week is kept when its facts agree (Existing) and refused when they differ.
enum class LedgerOpening { Created, Existing, Refused };
struct OpenedLedger {
    LedgerOpening opening = LedgerOpening::Refused;
    std::string refused;
};
OpenedLedger openLedgerInBooks(Journal& journal, const Clerk& clerk, const SyndicateFacts& facts);

std::string setBuyerInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, int share,
                            const BuyerChange& change, const std::string& reason = {});
std::string payInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, int share,
                       std::optional<std::int64_t> amount, std::optional<LedgerDate> date, const std::string& reason = {});
// An amount typed into a share's paid column: what the share has been paid in all. More
// than stands is paid (the difference, today); less is refused (an undo comes first);
// nothing typed changes nothing.
std::string payTypedInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, int share, std::string_view typed);
// Pays each share's full remaining price in cash today; the shares refused are named, one a line ("\r").
std::string paySharesInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, const std::vector<int>& shares);
std::string payFromBalanceInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, int share);
std::string payoutInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, int share,
                          std::optional<std::int64_t> amount, std::optional<LedgerDate> date);
// The newest payment (cash or from the balance) or cash payout of the share, reversed.
std::string undoPaymentInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, int share,
                               const std::string& reason);
std::string undoPayoutInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, int share,
                              const std::string& reason);
// What undoPaymentInBooks or undoPayoutInBooks would undo now: the newest payment (cash or
// from the balance) or cash payout of the share that stands; nothing when there is none.
std::optional<BookEvent> undoableEvent(Journal& journal, const std::string& serial, int share, bool payout);
std::string closeSaleInBooks(Journal& journal, const Clerk& clerk, const std::string& serial);
std::string reopenSaleInBooks(Journal& journal, const Clerk& clerk, const std::string& serial);
// A first confirmation, or a correction (which needs a reason) of a confirmed result.
std::string confirmInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, const ConfirmedResult& result,
                           const std::string& reason = {});
std::string voidInBooks(Journal& journal, const Clerk& clerk, const std::string& serial, const std::string& reason);
// Pays back in cash what a customer is owed after a voiding (default: all of it).
std::string payRefundInBooks(Journal& journal, const Clerk& clerk, const std::string& customerKey,
                             std::optional<std::int64_t> amount);

// The warning to show before a correction of the result is recorded: "" when the new
// result leaves no share paid out beyond its part.
std::string resultCorrectionWarning(const Ledger& ledger, const ConfirmedResult& result);

// A customer's money in the books, in kroner: what they may spend or be paid (negative
// when they owe it: a debt), what they have not paid for their shares, and what is owed
// back to them after a voiding.
struct CustomerMoney {
    std::int64_t balance = 0;
    std::int64_t unpaid = 0;
    std::int64_t refundsOwed = 0;
};
CustomerMoney customerMoney(Journal& journal, const std::string& customerKey);

// The refusal of a business date that is not a day the books take.
std::string dateProblem(const LedgerDate& date, const Ledger& ledger, const LedgerDate& today);

}  // namespace andel
