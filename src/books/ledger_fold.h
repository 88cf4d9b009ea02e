#pragma once
// Every figure of a syndicate is folded from its events: the share table, the confirmed
// result, the sale and the voiding, and the history that lists every event. An event that
// a later one reverses is left out of the figures and kept in the history.
//
// The balances are folded from the same view: what each account of the books holds
// because of this syndicate. The postings of an event are the balances after it less
// those before, so the journal's postings and the fold can be checked against each other.
#include "books/book_event.h"
#include "books/ledger.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace andel {

// A payment from the balance elsewhere that drew on one of this syndicate's shares.
struct DrawnWinnings {
    int share = 0;              // this syndicate's winning share
    std::int64_t amountOre = 0;
    std::string payingSerial;   // the share it paid
    int payingShare = 0;
    LedgerDate on;
};

struct LedgerEvents {
    std::int64_t id = 0;
    LedgerDate madeOn;
    SyndicateFacts facts;
    std::vector<BookEvent> events;      // oldest first
    std::vector<DrawnWinnings> drawn;   // live payments only (not reversed, not voided)
    std::map<std::int64_t, std::string> serialOf;  // the serial numbers of syndicates named by sources
};

Ledger foldLedger(const LedgerEvents& input);
// The same without the history lines: a list of every ledger needs none.
Ledger foldLedgerFigures(const LedgerEvents& input);
// One more event that reverses none, folded onto the ledger as foldLedger would.
void foldEvent(Ledger& ledger, const BookEvent& event, const std::map<std::int64_t, std::string>& serialOf);

// The history line of one event, as the ledger's "Historikk" lists it; an undo names
// what it undid when `reversed` is given.
std::string eventText(const BookEvent& event, const std::map<std::int64_t, std::string>& serialOf,
                      const BookEvent* reversed = nullptr);
// The history lines of events listed together (oldest first), each undo naming what it undid.
std::vector<std::string> eventTexts(const std::vector<BookEvent>& events, const std::map<std::int64_t, std::string>& serialOf);

// The accounts.
std::string drawerAccount();                        // "kasse": the cash drawer
std::string receivableAccount(const std::string& customer);  // "fordring:KEY": prices not yet paid
std::string balanceAccount(const std::string& customer);     // "saldo:KEY": owed to the customer (negative) or by them
std::string refundAccount(const std::string& customer);      // "refusjon:KEY": paid for a voided syndicate, owed back
std::string salesAccount(std::int64_t syndicate);    // "salg:ID"
std::string prizeAccount(std::int64_t syndicate);    // "premie:ID"

// A share's part of the confirmed prize credited to its buyer: only a sold, fully paid share
// of a syndicate that is not voided, once the result is confirmed.
std::int64_t creditedWinnings(const Ledger& ledger, int share);
// What is left of a share's credited winnings: less cash paid out and what paid other shares.
std::int64_t unspentWinnings(const Ledger& ledger, int share);

using Balances = std::map<std::string, std::int64_t>;  // account -> øre
// Adds what the accounts hold because of the syndicate.
void addLedgerBalances(const Ledger& ledger, Balances& balances);
// The postings that take `before` to `after`: each account's difference, zeros left out.
std::vector<Posting> postingsBetween(const Balances& before, const Balances& after);

}  // namespace andel
