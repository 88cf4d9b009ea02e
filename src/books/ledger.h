#pragma once
// A syndicate's accounts: the facts the syndicate was fixed with when its online file
// was made, and for each share its buyer, payment and payout.
#include "model/coupon.h"
#include "model/coupon_type.h"
#include "model/game_week.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

struct WorkbenchState;

// What the syndicate was when its online file was made; a ledger never follows later
// changes of the syndicate in hand.
struct SyndicateFacts {
    std::string serialNumber;  // the online file's four digits
    GameWeek week;
    CouponType couponType = CouponType::Saturday;
    TimeBasis timeBasis = TimeBasis::Ordinary;
    std::int64_t rows = 0;
    std::int64_t stake = 0;
    int shares = 0;
    std::int64_t pricePerShare = 0;
    std::string onlineFile;  // directory + "\" + name, Windows form
    CouponSet coupons{};
    std::string player;  // first and last name the online file was made for
    friend bool operator==(const SyndicateFacts&, const SyndicateFacts&) = default;
};

// A day as the agent writes it, DD.MM.YYYY.
struct LedgerDate {
    int day = 0, month = 0, year = 0;
    friend bool operator==(const LedgerDate&, const LedgerDate&) = default;
};

// Money moved from one share's winnings to the payment of another share of the same
// buyer ("betalt fra saldo"): the other share and the amount.
struct BalanceLink {
    std::string serialNumber;
    int share = 0;
    std::int64_t amount = 0;
    friend bool operator==(const BalanceLink&, const BalanceLink&) = default;
};

// The buyer the unsold shares go to when the sale is closed: the agent holds them.
inline constexpr std::string_view kAgentBuyerName = "Kommisjonær";

struct ShareEntry {
    std::string name, telephone, playerNumber;
    std::optional<std::int64_t> paid;  // whole kroner
    std::optional<LedgerDate> paidOn;
    std::optional<std::int64_t> paidOut;  // cash and winnings moved to other shares together
    std::optional<LedgerDate> paidOutOn;
    std::string note;
    bool agentHeld = false;                   // left unsold when the sale closed
    std::vector<BalanceLink> paidFromBalance;  // the winning shares this share was paid from
    std::vector<BalanceLink> toBalance;        // the shares this share's winnings paid
    std::string customerKey;  // the one identity the books know the buyer by (books/buyer_key)
    bool hasBuyer() const { return !name.empty() || !telephone.empty() || !playerNumber.empty(); }
    // A customer's share: sold to somebody other than the agent.
    bool sold() const { return hasBuyer() && !agentHeld; }
    // The part of the payout that went to other shares, and the part paid in cash.
    std::int64_t movedToBalance() const;
    std::int64_t paidOutInCash() const { return paidOut.value_or(0) - movedToBalance(); }
    friend bool operator==(const ShareEntry&, const ShareEntry&) = default;
};

// One result as the agent confirmed it: twelve signs "1", "X", "2" and the prize for a
// row with 12, 11 and 10 right, in whole kroner.
struct ConfirmedRound {
    std::string signs;
    std::int64_t prize12 = 0, prize11 = 0, prize10 = 0;
    friend bool operator==(const ConfirmedRound&, const ConfirmedRound&) = default;
};

// The final result the payouts stand on; a BEGGE syndicate has the half time's as well.
struct ConfirmedResult {
    LedgerDate on;
    ConfirmedRound fullTime;
    std::optional<ConfirmedRound> halfTime;
    friend bool operator==(const ConfirmedResult&, const ConfirmedResult&) = default;
};

// A ledger that no longer counts (its online file was replaced or never submitted).
struct LedgerVoiding {
    LedgerDate on;
    std::string reason;
    friend bool operator==(const LedgerVoiding&, const LedgerVoiding&) = default;
};

// What was undone, confirmed or voided, so that no recorded money disappears unseen.
struct HistoryLine {
    LedgerDate on;
    std::string text;
    friend bool operator==(const HistoryLine&, const HistoryLine&) = default;
};

struct Ledger {
    std::int64_t id = 0;  // the syndicate's row in the books
    LedgerDate madeOn;    // no money is dated before this day
    SyndicateFacts facts;
    std::vector<ShareEntry> entries;  // share 1..N at index 0..N-1
    std::optional<ConfirmedResult> confirmed;
    std::optional<LedgerVoiding> voided;
    std::optional<LedgerDate> saleClosed;  // no new buyers from this day until reopened
    std::vector<HistoryLine> history;  // oldest first
    friend bool operator==(const Ledger&, const Ledger&) = default;
};

enum class LedgerState { Open, Final, Voided };
LedgerState ledgerState(const Ledger& ledger);
// "open", "final", "voided" (the tool's words) and "Åpen", "Godkjent", "Annullert".
std::string_view ledgerStateWord(LedgerState state);
std::string_view ledgerStateText(LedgerState state);

// The facts of the syndicate in hand; nothing while it has no online file (an empty or
// "0000" serial number) or no shares.
std::optional<SyndicateFacts> syndicateFactsOf(const WorkbenchState& state);

// A new ledger with N empty shares.
Ledger emptyLedger(const SyndicateFacts& facts);

// "UKE 05 -2000": the week as lists show it.
std::string weekText(const GameWeek& week);

// "DD.MM.YYYY"; a text that is not a real date in that form gives nothing.
std::optional<LedgerDate> parseLedgerDate(std::string_view text);
std::string ledgerDateText(const LedgerDate& date);
LedgerDate todayLedgerDate();
LedgerDate nextDay(const LedgerDate& date);

// A whole number of kroner: digits, optionally grouped by "." in threes ("2.916"), at
// most 999.999.999. Anything else ("12,50", "-5", "") gives nothing.
std::optional<std::int64_t> parseWholeKroner(std::string_view text);

// The longest text each field of a ledger holds, in characters; the window stops typing
// there and the tool refuses more, so that whatever is saved can be read back.
inline constexpr std::size_t kNameLength = 40, kTelephoneLength = 20, kPlayerNumberLength = 15, kNoteLength = 80,
                                 kReasonLength = 80;

// A text as a ledger field stores it: tabs, line breaks and every other control
// character become blanks, and the ends are trimmed.
std::string cleanFieldText(std::string_view text);
// "" when the text fits its field, else a message naming the field and why (too long,
// or a character the ledger's Windows-1252 file cannot hold).
std::string fieldProblem(std::string_view caption, std::string_view text, std::size_t limit);

// Clear Norwegian messages for the checks above.
std::string badAmountMessage(std::string_view text);
std::string badDateMessage(std::string_view text);
std::string badShareMessage(int share, int shares);

}  // namespace andel
