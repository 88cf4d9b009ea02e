#pragma once
// One money fact of the books, as its row in the journal holds it. Events are recorded
// once and never changed; a correction is a later event that names the one it reverses.
#include "books/ledger.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

enum class EventKind {
    LedgerOpened,     // the syndicate's facts were fixed (its online file was made)
    BuyerSet,         // a share's buyer, or a change of buyer or note (reverses the earlier one)
    PaymentCash,      // part or all of a share's price paid in cash
    PaymentBalance,   // a share's price paid from the buyer's balance
    PayoutCash,       // winnings paid out in cash
    ResultConfirmed,  // the round's result confirmed as final (a correction reverses the earlier one)
    SaleClosed,       // unsold shares go to the agent
    SaleReopened,     // the agent's shares without money go back on sale
    LedgerVoided,     // the syndicate no longer counts: its money is owed back
    RefundPaid,       // money owed back after a voiding paid out in cash
    Reversal,         // undoes the event it names
    CashDeposit,      // cash put into the drawer (change money), with a note
    CashWithdrawal,   // cash taken out of the drawer (to the bank), with a note
    DayClosed,        // the day's settlement: the drawer counted, the difference booked
    DrawerOpened,     // the drawer opened by hand, with a note; no money
};

std::string_view eventKindWord(EventKind kind);  // the journal's word, e.g. "payment_cash"
std::optional<EventKind> eventKindOf(std::string_view word);

// Kroner as the views show them, øre as the journal keeps them.
inline constexpr std::int64_t kOrePerKrone = 100;

struct Posting {
    std::string account;
    std::int64_t amountOre = 0;
    friend bool operator==(const Posting&, const Posting&) = default;
};

// A winning share that paid part of another share's price (a payment from the balance).
struct BalanceSource {
    std::int64_t syndicate = 0;
    int share = 0;
    std::int64_t amountOre = 0;
};

struct BookEvent {
    std::int64_t id = 0;
    std::string recordedAt;  // "2026-12-11 10:15:03", the machine's local time
    LedgerDate businessDate;
    std::string agent;        // who recorded it
    std::int64_t syndicate = 0;  // 0 for an event of a customer alone
    int share = 0;               // 0 for an event of the whole syndicate
    std::string customer;        // the customer key, "" when none
    std::int64_t amountOre = 0;
    EventKind kind = EventKind::LedgerOpened;
    std::int64_t reverses = 0;  // the event this one reverses, 0 for none
    std::string reason;
    std::map<std::string, std::string> detail;  // what else the kind needs (buyer, result, shares)
    std::vector<BalanceSource> sources;         // PaymentBalance only
};

// The detail as the journal stores it: "key=value" fields separated by tabs (values hold
// no tab: every text of the books is cleaned of control characters).
std::string encodeDetail(const std::map<std::string, std::string>& detail);
std::map<std::string, std::string> decodeDetail(std::string_view text);

// "YYYY-MM-DD", the form the journal sorts and compares dates in.
std::string isoDate(const LedgerDate& date);
std::optional<LedgerDate> parseIsoDate(std::string_view text);

// The largest amount one event may carry, in kroner: the same limit the typed amounts and
// the prizes have, so whatever is written reads back.
inline constexpr std::int64_t kLargestKroner = 999'999'999;

}  // namespace andel
