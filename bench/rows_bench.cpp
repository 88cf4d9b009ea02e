// Rows out and in, and the system analysis. Targets: the 531,441 rows of a full
// twelve-match coupon exported under 1 s and checked against a result under 0.5 s; the
// analysis of any stem under 100 ms (the stems with the most outcomes to weigh: every
// match fully guarded, and four fully guarded with eight half-guarded).
#include "model/stem.h"
#include "model/stem_analysis.h"
#include "results/row_lines.h"
#include "results/system_analysis.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace andel;

const std::vector<Coupon>& fullCoupon() {
    static const std::vector<Coupon> coupons = [] {
        Coupon coupon;
        coupon.masks.fill(kAllSigns);
        return std::vector<Coupon>{coupon};
    }();
    return coupons;
}

void BM_ExportFullCouponRows(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(rowLines(fullCoupon(), RowLayout::E, {"TIPPING", "UKE 50 -2026", "LØRDAG"}));
    }
}
BENCHMARK(BM_ExportFullCouponRows)->Unit(benchmark::kMillisecond);

void BM_CheckFullCouponRows(benchmark::State& state) {
    const std::string file = rowLines(fullCoupon(), RowLayout::E, {"TIPPING", "UKE 50 -2026", "LØRDAG"});
    for (auto _ : state) benchmark::DoNotOptimize(checkRowLines(file, "1X21X21X21X2"));
}
BENCHMARK(BM_CheckFullCouponRows)->Unit(benchmark::kMillisecond);

void analyse(benchmark::State& state, const Stem& stem) {
    const CouponSet coupons = expandCoupons(analyseStem(stem));
    for (auto _ : state) benchmark::DoNotOptimize(analyseSystem(coupons, stem.masks));
}

void BM_AnalyseEveryMatchFullyGuarded(benchmark::State& state) { analyse(state, resetStem()); }
BENCHMARK(BM_AnalyseEveryMatchFullyGuarded)->Unit(benchmark::kMillisecond);

void BM_AnalyseEightHalfGuarded(benchmark::State& state) {
    Stem stem;
    for (int m = 0; m < kMatches; ++m) stem.masks[m] = m < 4 ? kAllSigns : static_cast<SignMask>(kHome | kDraw);
    analyse(state, stem);
}
BENCHMARK(BM_AnalyseEightHalfGuarded)->Unit(benchmark::kMillisecond);

void BM_AnalyseDefaultStem(benchmark::State& state) { analyse(state, defaultStem()); }
BENCHMARK(BM_AnalyseDefaultStem)->Unit(benchmark::kMillisecond);

}  // namespace
