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
    friend bool operator==(const SyndicateFacts&, const SyndicateFacts&) = default;
};

// A day as the agent writes it, DD.MM.YYYY.
struct LedgerDate {
    int day = 0, month = 0, year = 0;
    friend bool operator==(const LedgerDate&, const LedgerDate&) = default;
};

struct ShareEntry {
    std::string name, telephone, playerNumber;
    std::optional<std::int64_t> paid;  // whole kroner
    std::optional<LedgerDate> paidOn;
    std::optional<std::int64_t> paidOut;
    std::optional<LedgerDate> paidOutOn;
    std::string note;
    bool hasBuyer() const { return !name.empty() || !telephone.empty() || !playerNumber.empty(); }
    friend bool operator==(const ShareEntry&, const ShareEntry&) = default;
};

struct Ledger {
    SyndicateFacts facts;
    std::vector<ShareEntry> entries;  // share 1..N at index 0..N-1
    friend bool operator==(const Ledger&, const Ledger&) = default;
};

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

// A whole number of kroner: digits, optionally grouped by "." in threes ("2.916"), at
// most 999.999.999. Anything else ("12,50", "-5", "") gives nothing.
std::optional<std::int64_t> parseWholeKroner(std::string_view text);

// Clear Norwegian messages for the checks above.
std::string badAmountMessage(std::string_view text);
std::string badDateMessage(std::string_view text);
std::string badShareMessage(int share, int shares);

}  // namespace andel
