#pragma once
// The certificate's guarantee table: how many rows of the nine coupons reach 12, 11 and
// 10 right when the stem's first sign of each match comes in, and again when the first
// match played for the reduction ("M") goes the other way.
#include "model/coupon.h"
#include "results/prize_count.h"
#include "workbench/workbench_state.h"

#include <string>

namespace andel {

// Per match the first of H, U, B whose stem cell is not empty; 0 for an empty match.
ResultMasks assumedOutcome(const WorkbenchState& state);

// 1 becomes 2, 2 becomes 4, 4 becomes 1 on the first match whose kind text is "M";
// without such a match the outcome stays as it is.
ResultMasks turnFirstReducedMatch(ResultMasks outcome, const std::array<std::string, kMatches>& kindTexts);

// The 12-count in one character, the 11-count in three, the 10-count in four,
// right-aligned (wider numbers widen their field); `dashForNoTwelve` shows "-" for 0.
std::string guaranteeLine(const PrizeCount& count, bool dashForNoTwelve);

struct GuaranteeLines {
    std::string twelve;  // `tolversjanse`, ends in "  1:9"
    std::string eleven;  // `ellversjanse`, ends in "  8:9"
};
GuaranteeLines guaranteeLines(const CouponSet& coupons, const ResultMasks& outcome,
                              const std::array<std::string, kMatches>& kindTexts);

// The kind texts of the coupon grid's first column, matches 1 to 12.
std::array<std::string, kMatches> gridKindTexts(const WorkbenchState& state);

}  // namespace andel
