#pragma once
// The changes an agent makes to a ledger: the buyer of a share, its payment and payout,
// their undoing, the confirmed result and the voiding. Each checks the money rules first
// and changes nothing when it is refused:
// - only a share with a buyer can be marked paid, and only once, with at most its price;
// - only a paid share can be paid out, only once, only after the result was confirmed as
//   final, and with at most the share's part of the confirmed prize;
// - a correction is an explicit undo that leaves a history line with the old amount;
// - a closed sale takes no new buyers until it is reopened;
// - winnings that paid the buyer's other shares ("betalt fra saldo") are undone only by
//   undoing that payment, which gives them back (accounts/balance_transfer);
// - a voided ledger refuses every change.
#include "accounts/ledger.h"
#include "register/customer_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

// Name ("Kari Nordmann"), telephone (private, else work) and player number of a register
// customer, in the register's own forms.
ShareEntry buyerOf(const Tkunderec& customer);

// Each returns "" when done, else the message that says why nothing changed.
std::string checkShare(const Ledger& ledger, int share);
// The refusal of any change of a voided ledger; "" for a ledger that is not voided.
std::string refuseVoided(const Ledger& ledger);

struct BuyerChange {
    std::optional<std::string> name, telephone, playerNumber, note;
};
// Why the texts cannot be stored (too long, or a character the file cannot hold); "" when
// they can. Tabs and other control characters are not a reason: they are stored as blanks.
std::string buyerChangeProblem(const BuyerChange& change);
std::string setBuyer(Ledger& ledger, int share, const BuyerChange& change);

// Why an amount typed for a payment cannot be taken: 0, or more than the price.
std::string paymentAmountProblem(const Ledger& ledger, std::int64_t amount);
// Default amount: the price per share; default date: today.
std::string markPaid(Ledger& ledger, int share, std::optional<std::int64_t> amount, std::optional<LedgerDate> date);
// Marks each of the shares paid at the price, dated `today`. The shares refused are left
// as they were and the others marked: returns the refusals, one line per share ("\r"
// between them, each naming its share and what stands), "" when every share was marked.
std::string markSharesPaid(Ledger& ledger, const std::vector<int>& shares, const LedgerDate& today);
// An amount typed for a share's payment: whole kroner, at most the price, dated `today`.
// The amount that stands is no change; another amount, or none, on a paid share is
// refused with what stands, for a correction is an explicit undo.
std::string payTypedAmount(Ledger& ledger, int share, std::string_view typed, const LedgerDate& today);

// The share's part of the confirmed prize; nothing while the result is not confirmed.
std::optional<std::int64_t> confirmedPartPerShare(const Ledger& ledger);
// Why an amount typed for a payout cannot be taken: 0, or more than the share's part.
std::string payoutAmountProblem(const Ledger& ledger, std::int64_t amount);
// Default amount: the share's part of the confirmed prize; default date: today.
std::string markPaidOut(Ledger& ledger, int share, std::optional<std::int64_t> amount, std::optional<LedgerDate> date);

// Takes back a payment or a payout; the history keeps what was undone.
std::string undoPayment(Ledger& ledger, int share, const LedgerDate& today);
std::string undoPayout(Ledger& ledger, int share, const LedgerDate& today);

// Closes the sale: every share without a buyer goes to the agent ("Kommisjonær") and the
// ledger takes no new buyers. Reopening gives the agent's shares back to the sale, except
// those with money recorded; both leave a history line.
std::string closeSale(Ledger& ledger, const LedgerDate& today);
std::string reopenSale(Ledger& ledger, const LedgerDate& today);

// Stores the result as final; a BEGGE syndicate needs the half time's as well.
std::string confirmResult(Ledger& ledger, const ConfirmedResult& result);

// Voids the ledger with the agent's reason (at most kReasonLength characters).
std::string voidLedger(Ledger& ledger, const std::string& reason, const LedgerDate& today);

inline constexpr std::string_view kPayoutBeforeConfirmed =
    "Resultatet er ikke godkjent: gevinsten kan ikke utbetales før rundens resultat er godkjent som endelig.";

// "kr 2.916"
std::string kronerText(std::int64_t amount);

}  // namespace andel
