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

RoundResult RoundResults::of(CouponType type, TimeBasis basis, const GameWeek& week) {
    // The day is the first letter of the coupon type's text; both time bases but pause
    // are played on the ordinary file.
    const auto name = statisticsName(couponTypeText(type).front(), basis == TimeBasis::HalfTime);
    if (!name) return roundResultOf(HistoryLookup{});
    auto file = files_.find(*name);
    if (file == files_.end()) {
        SilentMessages silent;
        file = files_.emplace(std::string(*name), readHistory(workspace_, silent, *name)).first;
    }
    if (!file->second) return roundResultOf(HistoryLookup{});
    return roundResultOf(findRound(*file->second, week.week, week.year));
}

LedgerWinnings fetchLedgerWinnings(RoundResults& results, const SyndicateFacts& facts) {
    return ledgerWinnings(facts, results.of(facts.couponType, facts.timeBasis, facts.week));
}

LedgerWinnings fetchLedgerWinnings(const Workspace& workspace, const SyndicateFacts& facts) {
    RoundResults results(workspace);
    return fetchLedgerWinnings(results, facts);
}

}  // namespace andel
