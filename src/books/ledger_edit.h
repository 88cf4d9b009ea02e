#pragma once
// The checks and texts the money rules (books/books_rules) share with the windows and the
// tool: a share in range, a live ledger, texts that fit their fields, amounts in range.
#include "books/ledger.h"
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

// Why an amount typed for a payment cannot be taken: 0, or more than the price.
std::string paymentAmountProblem(const Ledger& ledger, std::int64_t amount);
// The share's part of the confirmed prize; nothing while the result is not confirmed.
std::optional<std::int64_t> confirmedPartPerShare(const Ledger& ledger);
// Why an amount typed for a payout cannot be taken: 0, or more than the share's part.
std::string payoutAmountProblem(const Ledger& ledger, std::int64_t amount);
inline constexpr std::string_view kPayoutBeforeConfirmed =
    "Resultatet er ikke godkjent: gevinsten kan ikke utbetales før rundens resultat er godkjent som endelig.";

// "kr 2.916"
std::string kronerText(std::int64_t amount);

}  // namespace andel
