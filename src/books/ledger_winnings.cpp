#include "books/ledger_winnings.h"

#include "results/prize_count.h"
#include "results/prize_payout.h"
#include "workbench/prize_counting.h"
#include "workbench/selectors.h"

namespace andel {
namespace {

class SilentMessages : public Messages {
public:
    bool show(const Message&) override { return false; }
};

// A forecast's digits ("1.500" pays 1500, "Jacpot" and "-" pay 0).
std::int64_t forecastKroner(const std::string& text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9' && value < 100'000'000'000LL) value = value * 10 + (c - '0');
    }
    return value;
}

struct RoundCount {
    RoundWinnings winnings;
    PrizeCount count;
};

RoundCount countRound(const SyndicateFacts& facts, const ConfirmedRound& round) {
    RoundResult result;
    result.found = true;
    result.signs = round.signs;
    ResultMasks masks{};
    applyRoundResult(result, masks);
    RoundCount counted{{round.signs}, countPrizes(facts.coupons, masks)};
    counted.winnings.right12 = counted.count.rows[12];
    counted.winnings.right11 = counted.count.rows[11];
    counted.winnings.right10 = counted.count.rows[10];
    const PrizeForecasts forecasts{std::to_string(round.prize12), std::to_string(round.prize11),
                                   std::to_string(round.prize10)};
    counted.winnings.prize = prizePayout(counted.count, forecasts, 1).total;
    return counted;
}

bool wholeResult(const ConfirmedRound& round) { return round.signs.size() == static_cast<std::size_t>(kMatches); }

}  // namespace

LedgerWinnings winningsOn(const SyndicateFacts& facts, const std::optional<ConfirmedRound>& fullTime,
                          const std::optional<ConfirmedRound>& halfTime) {
    LedgerWinnings w;
    w.both = facts.timeBasis == TimeBasis::Both;
    if (!fullTime || !wholeResult(*fullTime)) return w;
    if (w.both && (!halfTime || !wholeResult(*halfTime))) return w;
    w.known = true;
    w.fullTime = countRound(facts, *fullTime).winnings;
    w.resultSigns = w.fullTime.resultSigns;
    w.right12 = w.fullTime.right12;
    w.right11 = w.fullTime.right11;
    w.right10 = w.fullTime.right10;
    w.prize = w.fullTime.prize;
    if (w.both) {
        w.halfTime = countRound(facts, *halfTime).winnings;
        w.prize += w.halfTime.prize;
    }
    if (facts.shares > 0) {
        w.perShare = w.prize / facts.shares;
        w.remainder = w.prize - w.perShare * facts.shares;
    } else {
        w.perShare = w.prize;
    }
    return w;
}

std::optional<ConfirmedRound> confirmableRound(const RoundResult& result) {
    if (result.signs.size() != static_cast<std::size_t>(kMatches)) return std::nullopt;
    return ConfirmedRound{result.signs, forecastKroner(result.forecasts.twelve), forecastKroner(result.forecasts.eleven),
                          forecastKroner(result.forecasts.ten)};
}

LedgerWinnings ledgerWinnings(const SyndicateFacts& facts, const RoundResult& result) {
    return winningsOn(facts, confirmableRound(result), std::nullopt);
}

LedgerWinnings confirmedWinnings(const Ledger& ledger) {
    if (!ledger.confirmed) return winningsOn(ledger.facts, std::nullopt, std::nullopt);
    LedgerWinnings w = winningsOn(ledger.facts, ledger.confirmed->fullTime, ledger.confirmed->halfTime);
    w.confirmed = w.known;
    return w;
}

RoundResult RoundResults::of(CouponType type, bool halfTime, const GameWeek& week) {
    // The day is the first letter of the coupon type's text.
    const auto name = statisticsName(couponTypeText(type).front(), halfTime);
    if (!name) return roundResultOf(HistoryLookup{});
    auto file = files_.find(*name);
    if (file == files_.end()) {
        SilentMessages silent;
        file = files_.emplace(std::string(*name), readHistory(workspace_, silent, *name)).first;
    }
    if (!file->second) return roundResultOf(HistoryLookup{});
    return roundResultOf(findRound(*file->second, week.week, week.year));
}

HistoryRounds historyRounds(RoundResults& results, const SyndicateFacts& facts) {
    HistoryRounds rounds;
    rounds.fullTime = confirmableRound(results.of(facts.couponType, facts.timeBasis == TimeBasis::HalfTime, facts.week));
    if (facts.timeBasis == TimeBasis::Both) rounds.halfTime = confirmableRound(results.of(facts.couponType, true, facts.week));
    return rounds;
}

LedgerResult ledgerResult(RoundResults& results, const Ledger& ledger) {
    LedgerResult shown;
    shown.history = historyRounds(results, ledger.facts);
    if (ledger.confirmed) {
        shown.winnings = confirmedWinnings(ledger);
        // A history without the round's result says nothing against a result confirmed by hand.
        const auto differs = [](const std::optional<ConfirmedRound>& history, const std::optional<ConfirmedRound>& kept) {
            return history && history != kept;
        };
        shown.historyDiffers = differs(shown.history.fullTime, ledger.confirmed->fullTime) ||
                               differs(shown.history.halfTime, ledger.confirmed->halfTime);
    } else {
        shown.winnings = winningsOn(ledger.facts, shown.history.fullTime, shown.history.halfTime);
    }
    return shown;
}

LedgerResult ledgerResult(const Workspace& workspace, const Ledger& ledger) {
    RoundResults results(workspace);
    return ledgerResult(results, ledger);
}

std::optional<MarkedRound> prizePanelRound(const WorkbenchState& state) {
    const ResultMasks masks = resultMasksOf(state);
    std::string signs;
    for (SignMask mask : masks) {
        if (mask == kHome) signs += '1';
        else if (mask == kDraw) signs += 'X';
        else if (mask == kAway) signs += '2';
        else return std::nullopt;
    }
    GameWeek week = parseGameWeek(gameWeekTextOf(state));
    week.suffix.clear();
    return MarkedRound{week, couponTypeOf(state),
                       ConfirmedRound{signs, forecastKroner(state.premie12), forecastKroner(state.premie11),
                                      forecastKroner(state.premie10)}};
}

std::optional<ConfirmedResult> confirmableResult(const SyndicateFacts& facts, const HistoryRounds& history,
                                                 const LedgerDate& today) {
    if (!history.fullTime) return std::nullopt;
    if (facts.timeBasis == TimeBasis::Both && !history.halfTime) return std::nullopt;
    return ConfirmedResult{today, *history.fullTime,
                           facts.timeBasis == TimeBasis::Both ? history.halfTime : std::nullopt};
}

}  // namespace andel
