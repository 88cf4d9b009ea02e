// The system analysis against a walk over every single outcome, each counted with the
// prize panel's counting: the same best rows and the same sums of rows with k right.
#include "model/stem.h"
#include "model/stem_analysis.h"
#include "results/prize_count.h"
#include "results/system_analysis.h"

#include <gtest/gtest.h>

#include <random>

namespace andel {
namespace {

constexpr std::array<SignMask, 3> kSigns = {kHome, kDraw, kAway};

// Every outcome with a sign of allowed[m] at match m, counted one by one.
OutcomeSpread walkedSpread(std::span<const Coupon> coupons, const std::array<SignMask, kMatches>& allowed) {
    OutcomeSpread spread;
    ResultMasks outcome{};
    const auto walk = [&](auto& self, int m) -> void {
        if (m == kMatches) {
            const PrizeCount count = countPrizes(coupons, outcome);
            ++spread.outcomes;
            ++spread.best[static_cast<std::size_t>(count.best)];
            for (int k = 0; k <= kMatches; ++k) spread.rowSums[k] += count.rows[k];
            return;
        }
        for (SignMask sign : kSigns) {
            if (!(allowed[m] & sign)) continue;
            outcome[m] = sign;
            self(self, m + 1);
        }
    };
    walk(walk, 0);
    return spread;
}

void expectSame(const OutcomeSpread& got, const OutcomeSpread& walked, const std::string& what) {
    EXPECT_EQ(got.outcomes, walked.outcomes) << what;
    EXPECT_EQ(got.best, walked.best) << what;
    EXPECT_EQ(got.rowSums, walked.rowSums) << what;
}

Stem stemOf(const char* digits) {
    Stem stem;
    for (int m = 0; m < kMatches; ++m) stem.masks[m] = static_cast<SignMask>(digits[m] - '0');
    return stem;
}

// Small stems whose outcomes can be walked: the system's own nine coupons.
TEST(SystemAnalysis, SpreadsEqualAWalkOverEveryOutcome) {
    for (const char* digits : {"447777124444", "421777742177", "777744444444", "637777444412"}) {
        SCOPED_TRACE(digits);
        const Stem stem = stemOf(digits);
        const CouponSet coupons = expandCoupons(analyseStem(stem));
        const SystemAnalysis analysis = analyseSystem(coupons, stem.masks);
        expectSame(analysis.allRight, walkedSpread(coupons, stem.masks), "all right");

        // One and two picks wrong: the walks over each wrong match (pair) added up.
        OutcomeSpread one, two;
        std::vector<int> picked;
        for (int m = 0; m < kMatches; ++m) {
            if (signCount(stem.masks[m]) < 3) picked.push_back(m);
        }
        const auto addWalk = [](OutcomeSpread& into, const OutcomeSpread& more) {
            into.outcomes += more.outcomes;
            for (int k = 0; k <= kMatches; ++k) into.best[k] += more.best[k], into.rowSums[k] += more.rowSums[k];
        };
        for (std::size_t i = 0; i < picked.size(); ++i) {
            auto allowed = stem.masks;
            allowed[picked[i]] = static_cast<SignMask>(~stem.masks[picked[i]] & kAllSigns);
            addWalk(one, walkedSpread(coupons, allowed));
            for (std::size_t j = i + 1; j < picked.size(); ++j) {
                auto both = allowed;
                both[picked[j]] = static_cast<SignMask>(~stem.masks[picked[j]] & kAllSigns);
                addWalk(two, walkedSpread(coupons, both));
            }
        }
        expectSame(analysis.oneWrong, one, "one wrong");
        expectSame(analysis.twoWrong, two, "two wrong");
        EXPECT_EQ(analysis.allRight.bestBelow(11), 0) << "the guarantee of 11 right";
    }
}

// Any coupons, not only a system's: random masks (a coupon with an empty match has no rows).
TEST(SystemAnalysis, RandomCouponsAndOutcomeSetsEqualTheWalk) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> mask(0, 7), small(1, 3);
    for (int round = 0; round < 25; ++round) {
        std::vector<Coupon> coupons(static_cast<std::size_t>(small(random) * 3));
        for (Coupon& coupon : coupons) {
            for (SignMask& m : coupon.masks) m = static_cast<SignMask>(round % 5 == 0 ? mask(random) : mask(random) | kHome);
        }
        std::array<SignMask, kMatches> allowed{};
        for (int m = 0; m < kMatches; ++m) allowed[m] = static_cast<SignMask>(m < 5 ? 7 : 1 << (small(random) - 1));
        SCOPED_TRACE(round);
        expectSame(spreadOver(coupons, allowed), walkedSpread(coupons, allowed), "random");
    }
}

TEST(SystemAnalysis, NoAllowedSignMeansNoOutcomes) {
    const CouponSet coupons = expandCoupons(analyseStem(defaultStem()));
    auto allowed = defaultStem().masks;
    allowed[3] = 0;
    const OutcomeSpread spread = spreadOver(coupons, allowed);
    EXPECT_EQ(spread.outcomes, 0);
    EXPECT_EQ(spread.averageRows(12), 0.0);
}

}  // namespace
}  // namespace andel
