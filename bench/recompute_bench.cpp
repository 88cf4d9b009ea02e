// The recomputation that runs on every click in the stem grid.
#include "model/coupon.h"
#include "model/stem.h"
#include "model/stem_analysis.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace andel;

// A few valid stems to cycle through, so no result can be computed once and reused.
std::array<Stem, 4> sampleStems() {
    Stem withHalves = defaultStem();
    Stem sevenFull = resetStem();
    for (int m = 0; m < 5; ++m) sevenFull.masks[m] = static_cast<SignMask>(1 + m % 6);
    Stem fourFull = resetStem();
    for (int m = 0; m < 8; ++m) fourFull.masks[m] = static_cast<SignMask>(m % 2 ? 6 : 4);
    return {withHalves, sevenFull, fourFull, resetStem()};
}

void BM_RecomputeSystem(benchmark::State& bench) {
    const auto stems = sampleStems();
    WorkbenchState state = initialWorkbenchState();
    std::size_t i = 0;
    for (auto _ : bench) {
        putStem(state, stems[i++ % stems.size()]);
        recomputeSystem(state);
        benchmark::DoNotOptimize(state.couponGrid);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RecomputeSystem);

void BM_AnalyseAndExpand(benchmark::State& bench) {
    const auto stems = sampleStems();
    std::size_t i = 0;
    for (auto _ : bench) {
        const CouponSet coupons = expandCoupons(analyseStem(stems[i++ % stems.size()]));
        std::int64_t rows = 0;
        for (const Coupon& coupon : coupons) rows += rowsOf(coupon);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_AnalyseAndExpand);

}  // namespace
