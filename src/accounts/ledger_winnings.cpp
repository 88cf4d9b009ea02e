#include "accounts/ledger_winnings.h"

#include "results/prize_count.h"
#include "results/prize_payout.h"

namespace andel {
namespace {

class SilentMessages : public Messages {
public:
    bool show(const Message&) override { return false; }
};

char boardSign(char resultSign) {
    switch (resultSign) {
        case '1': return 'H';
        case 'X': return 'U';
        default: return 'B';
    }
}

}  // namespace

LedgerWinnings ledgerWinnings(const SyndicateFacts& facts, const RoundResult& result) {
    LedgerWinnings winnings;
    if (result.signs.size() != static_cast<std::size_t>(kMatches)) return winnings;
    winnings.known = true;
    for (char sign : result.signs) winnings.resultSigns += boardSign(sign);
    ResultMasks masks{};
    applyRoundResult(result, masks);
    const PrizeCount count = countPrizes(facts.coupons, masks);
    winnings.right12 = count.rows[12];
    winnings.right11 = count.rows[11];
    winnings.right10 = count.rows[10];
    const PrizePayout payout = prizePayout(count, result.forecasts, facts.shares);
    winnings.prize = payout.total;
    winnings.perShare = payout.perShare;
    winnings.remainder = facts.shares > 0 ? payout.total - payout.perShare * facts.shares : 0;
    return winnings;
}

LedgerWinnings fetchLedgerWinnings(const Workspace& workspace, const SyndicateFacts& facts) {
    SilentMessages silent;
    return ledgerWinnings(facts, fetchRoundResult(workspace, silent, facts.couponType, facts.timeBasis, facts.week));
}

}  // namespace andel
