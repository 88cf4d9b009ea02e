#pragma once
// The changes an agent makes to a ledger: the buyer of a share, its payment and its
// payout. Each checks its input first and changes nothing when it is refused.
#include "accounts/ledger.h"
#include "accounts/ledger_winnings.h"
#include "register/customer_record.h"

#include <optional>
#include <string>

namespace andel {

// Name ("Kari Nordmann"), telephone (private, else work) and player number of a register
// customer, in the register's own forms.
ShareEntry buyerOf(const Tkunderec& customer);

// Each returns "" when done, else the message that says why nothing changed.
std::string checkShare(const Ledger& ledger, int share);

struct BuyerChange {
    std::optional<std::string> name, telephone, playerNumber, note;
};
std::string setBuyer(Ledger& ledger, int share, const BuyerChange& change);

// Default amount: the price per share; default date: today.
std::string markPaid(Ledger& ledger, int share, std::optional<std::int64_t> amount, std::optional<LedgerDate> date);

// Default amount: the share's part of the prize. Refused while the result is not known.
std::string markPaidOut(Ledger& ledger, int share, const LedgerWinnings& winnings, std::optional<std::int64_t> amount,
                        std::optional<LedgerDate> date);

// Takes back a payment or a payout marked by mistake.
std::string clearPaid(Ledger& ledger, int share);
std::string clearPaidOut(Ledger& ledger, int share);

inline constexpr std::string_view kPayoutBeforeResult =
    "Resultat ikke klart: gevinsten kan ikke utbetales før rundens resultat er kjent.";

}  // namespace andel
