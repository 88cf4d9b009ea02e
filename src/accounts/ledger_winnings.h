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
#include <string>

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

// Fetches the round's result from the pools history as the prize panel does. A missing
// history file is not reported here: the round simply has no result yet.
LedgerWinnings fetchLedgerWinnings(const Workspace& workspace, const SyndicateFacts& facts);

}  // namespace andel
