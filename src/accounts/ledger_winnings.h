#pragma once
// What a syndicate won: its coupons counted against the round's result with the prize
// panel's counting, the prize in whole kroner and each share's part.
//
// Each share gets the total divided by the number of shares, rounded down to whole
// kroner; the remainder (always fewer kroner than there are shares) is paid to no
// share and shown as "Rest" so the agent can account for it.
#include "accounts/ledger.h"
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

struct LedgerWinnings {
    bool known = false;  // the round's twelve results are in the history
    std::string resultSigns;  // "HUBHUBHUBHUB" when known
    std::int64_t right12 = 0, right11 = 0, right10 = 0;
    std::int64_t prize = 0, perShare = 0, remainder = 0;
};

// The winnings on a fetched result; not known unless it holds all twelve signs.
LedgerWinnings ledgerWinnings(const SyndicateFacts& facts, const RoundResult& result);

// The rounds' results from the pools history, each history file read once: the season
// looks up hundreds of rounds. A missing history file is not reported here: its rounds
// simply have no result yet.
class RoundResults {
public:
    explicit RoundResults(Workspace workspace) : workspace_(std::move(workspace)) {}
    // The result as the prize panel fetches it for the coupon type, time basis and week.
    RoundResult of(CouponType type, TimeBasis basis, const GameWeek& week);

private:
    Workspace workspace_;
    std::map<std::string, std::optional<std::vector<StatisticsRecord>>, std::less<>> files_;
};

LedgerWinnings fetchLedgerWinnings(RoundResults& results, const SyndicateFacts& facts);
LedgerWinnings fetchLedgerWinnings(const Workspace& workspace, const SyndicateFacts& facts);

}  // namespace andel
