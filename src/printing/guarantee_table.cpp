#include "printing/guarantee_table.h"

#include "model/text.h"

namespace andel {

ResultMasks assumedOutcome(const WorkbenchState& state) {
    ResultMasks outcome{};
    for (int m = 0; m < kMatches; ++m) {
        for (int column = 1; column <= 3; ++column) {
            if (!trimBlanks(state.stemGrid.at(column, m + 1)).empty()) {
                outcome[m] = kSignBits[column - 1];
                break;
            }
        }
    }
    return outcome;
}

ResultMasks turnFirstReducedMatch(ResultMasks outcome, const std::array<std::string, kMatches>& kindTexts) {
    for (int m = 0; m < kMatches; ++m) {
        if (trimBlanks(kindTexts[m]) != "M") continue;
        SignMask& sign = outcome[m];
        sign = sign == kAway ? kDraw : sign == kDraw ? kHome : sign == kHome ? kAway : sign;
        break;
    }
    return outcome;
}

std::string guaranteeLine(const PrizeCount& count, bool dashForNoTwelve) {
    const std::int64_t twelve = count.rows[12];
    const std::string twelveText = dashForNoTwelve && twelve == 0 ? "-" : std::to_string(twelve);
    return padLeft(twelveText, 1) + padLeft(std::to_string(count.rows[11]), 3) +
           padLeft(std::to_string(count.rows[10]), 4);
}

GuaranteeLines guaranteeLines(const CouponSet& coupons, const ResultMasks& outcome,
                              const std::array<std::string, kMatches>& kindTexts) {
    const PrizeCount first = countPrizes(coupons, outcome);
    const PrizeCount second = countPrizes(coupons, turnFirstReducedMatch(outcome, kindTexts));
    return {guaranteeLine(first, false) + "  1:9", guaranteeLine(second, true) + "  8:9"};
}

std::array<std::string, kMatches> gridKindTexts(const WorkbenchState& state) {
    std::array<std::string, kMatches> kinds;
    for (int m = 0; m < kMatches; ++m) kinds[m] = state.couponGrid.at(1, m + 1);
    return kinds;
}

}  // namespace andel
