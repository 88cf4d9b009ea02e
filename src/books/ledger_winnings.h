#pragma once
// What a syndicate won: its coupons counted against the round's result with the prize
// panel's counting, the prize in whole kroner and each share's part.
//
// Each share gets the total divided by the number of shares, rounded down to whole
// kroner; the remainder (always fewer kroner than there are shares) is paid to no
// share and shown as "Rest" so the agent can account for it.
//
// A BEGGE syndicate plays its rows on the full-time and on the half-time result, so it
// wins on both: the prize is the two together, each shown.
//
// Until the agent confirms the result, the figures are a forecast from the pools history
// as it stands; once confirmed they stand on the confirmed result alone, and a later
// change of the history is shown beside it, never taken silently.
#include "books/ledger.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "results/round_result.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace andel {

inline constexpr std::string_view kResultNotReady = "Resultat ikke klart";

// One result counted: "1X21X21X21X2", the rows with 12, 11 and 10 right and their prize.
struct RoundWinnings {
    std::string resultSigns;
    std::int64_t right12 = 0, right11 = 0, right10 = 0;
    std::int64_t prize = 0;
};

struct LedgerWinnings {
    bool known = false;      // every result the syndicate plays on is known
    bool confirmed = false;  // and stands on the agent's confirmed result
    bool both = false;       // BEGGE: `halfTime` is counted too
    // The full time's figures (the only ones but for BEGGE).
    std::string resultSigns;
    std::int64_t right12 = 0, right11 = 0, right10 = 0;
    RoundWinnings fullTime, halfTime;
    std::int64_t prize = 0, perShare = 0, remainder = 0;  // both results together
};

// The winnings on the given results; not known without a full time's, nor for BEGGE
// without the half time's.
LedgerWinnings winningsOn(const SyndicateFacts& facts, const std::optional<ConfirmedRound>& fullTime,
                          const std::optional<ConfirmedRound>& halfTime);

// The winnings on a fetched result (full time only); not known unless it holds all twelve signs.
LedgerWinnings ledgerWinnings(const SyndicateFacts& facts, const RoundResult& result);

// The winnings on the ledger's confirmed result; not known while it has none.
LedgerWinnings confirmedWinnings(const Ledger& ledger);

// A fetched result as a confirmable one: nothing unless it holds all twelve signs.
// Prizes count by their digits ("Jacpot" pays 0).
std::optional<ConfirmedRound> confirmableRound(const RoundResult& result);

// The rounds' results from the pools history, each history file read once: the season
// looks up hundreds of rounds. A missing history file is not reported here: its rounds
// simply have no result yet.
class RoundResults {
public:
    explicit RoundResults(Workspace workspace) : workspace_(std::move(workspace)) {}
    // The result as the prize panel fetches it for the coupon type and week; `halfTime`
    // reads the half-time file.
    RoundResult of(CouponType type, bool halfTime, const GameWeek& week);

private:
    Workspace workspace_;
    std::map<std::string, std::optional<std::vector<StatisticsRecord>>, std::less<>> files_;
};

// The results the history gives the syndicate now: the full time's (for PAUSE the half
// time's file), and for BEGGE the half time's as well.
struct HistoryRounds {
    std::optional<ConfirmedRound> fullTime, halfTime;
    friend bool operator==(const HistoryRounds&, const HistoryRounds&) = default;
};
HistoryRounds historyRounds(RoundResults& results, const SyndicateFacts& facts);

// What a ledger shows: its confirmed result when final, else the history's forecast;
// `historyDiffers` when a confirmed result and a result the history now holds disagree (a
// history without the round's result differs from nothing).
struct LedgerResult {
    LedgerWinnings winnings;
    HistoryRounds history;
    bool historyDiffers = false;
};
LedgerResult ledgerResult(RoundResults& results, const Ledger& ledger);
LedgerResult ledgerResult(const Workspace& workspace, const Ledger& ledger);

// The history's rounds as a result to confirm today; nothing while a needed one is missing.
std::optional<ConfirmedResult> confirmableResult(const SyndicateFacts& facts, const HistoryRounds& history,
                                                 const LedgerDate& today);

// The result marked in the main window's prize panel (one sign in each of the twelve
// rows) with its three prizes, and the round it was marked for; nothing while a row has
// no sign or more than one.
struct MarkedRound {
    GameWeek week;
    CouponType couponType = CouponType::Saturday;
    ConfirmedRound round;
};
std::optional<MarkedRound> prizePanelRound(const WorkbenchState& state);

}  // namespace andel
