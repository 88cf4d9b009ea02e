#include "results/system_analysis.h"

#include <algorithm>
#include <map>
#include <vector>

namespace andel {
namespace {

constexpr std::array<SignMask, 3> kSigns = {kHome, kDraw, kAway};
constexpr int kHalf = kMatches / 2;

using Hits = std::array<int, kCoupons>;

// Per outcome of the matches [first, first + kHalf): how many of them each coupon holds
// the outcome's sign for, with how many outcomes give that same count.
std::map<Hits, std::int64_t> halfHits(std::span<const Coupon> coupons, const std::array<SignMask, kMatches>& allowed,
                                      int first) {
    std::map<Hits, std::int64_t> counted;
    std::vector<SignMask> signs(kHalf);
    const auto walk = [&](auto& self, int depth) -> void {
        if (depth == kHalf) {
            Hits hits{};
            for (std::size_t c = 0; c < coupons.size(); ++c) {
                for (int m = 0; m < kHalf; ++m) hits[c] += (coupons[c].masks[first + m] & signs[m]) ? 1 : 0;
            }
            ++counted[hits];
            return;
        }
        for (SignMask sign : kSigns) {
            if (!(allowed[first + depth] & sign)) continue;
            signs[depth] = sign;
            self(self, depth + 1);
        }
    };
    walk(walk, 0);
    return counted;
}

bool hasRows(const Coupon& coupon) {
    return std::all_of(coupon.masks.begin(), coupon.masks.end(), [](SignMask m) { return (m & kAllSigns) != 0; });
}

void add(OutcomeSpread& into, const OutcomeSpread& more) {
    into.outcomes += more.outcomes;
    for (int k = 0; k <= kMatches; ++k) {
        into.best[k] += more.best[k];
        into.rowSums[k] += more.rowSums[k];
    }
}

}  // namespace

double OutcomeSpread::averageRows(int k) const {
    return outcomes == 0 ? 0.0 : static_cast<double>(rowSums[k]) / static_cast<double>(outcomes);
}

std::int64_t OutcomeSpread::bestBelow(int k) const {
    std::int64_t below = 0;
    for (int i = 0; i < k; ++i) below += best[i];
    return below;
}

OutcomeSpread spreadOver(std::span<const Coupon> coupons, const std::array<SignMask, kMatches>& allowed) {
    OutcomeSpread spread;
    spread.outcomes = 1;
    for (SignMask mask : allowed) spread.outcomes *= signCount(mask & kAllSigns);
    if (spread.outcomes == 0) return spread;

    // Rows with k right, summed over the outcomes: per match a coupon's factor is
    // (signs not hit) + (signs hit)·x summed over the allowed signs.
    for (const Coupon& coupon : coupons) {
        std::array<std::int64_t, kMatches + 1> poly{};
        poly[0] = 1;
        for (int m = 0; m < kMatches; ++m) {
            const std::int64_t played = signCount(coupon.masks[m] & kAllSigns);
            const std::int64_t hit = signCount(coupon.masks[m] & allowed[m] & kAllSigns);
            const std::int64_t miss = signCount(allowed[m] & kAllSigns) * played - hit;
            for (int k = m + 1; k >= 0; --k) poly[k] = poly[k] * miss + (k > 0 ? poly[k - 1] * hit : 0);
        }
        for (int k = 0; k <= kMatches; ++k) spread.rowSums[k] += poly[k];
    }

    // The best row of an outcome: the most matches any coupon with rows holds the sign of.
    const auto first = halfHits(coupons, allowed, 0), second = halfHits(coupons, allowed, kHalf);
    std::vector<std::size_t> playing;
    for (std::size_t c = 0; c < coupons.size(); ++c) {
        if (hasRows(coupons[c])) playing.push_back(c);
    }
    for (const auto& [a, aCount] : first) {
        for (const auto& [b, bCount] : second) {
            int best = 0;
            for (std::size_t c : playing) best = std::max(best, a[c] + b[c]);
            spread.best[best] += aCount * bCount;
        }
    }
    return spread;
}

SystemAnalysis analyseSystem(std::span<const Coupon> coupons, const std::array<SignMask, kMatches>& stem) {
    SystemAnalysis analysis;
    analysis.allRight = spreadOver(coupons, stem);
    std::vector<int> picked;  // the sure and half-guarded matches
    for (int m = 0; m < kMatches; ++m) {
        const int signs = signCount(stem[m] & kAllSigns);
        if (signs == 1 || signs == 2) picked.push_back(m);
    }
    const auto wrongAt = [&](std::initializer_list<int> matches) {
        std::array<SignMask, kMatches> allowed = stem;
        for (int m : matches) allowed[m] = static_cast<SignMask>(~stem[m] & kAllSigns);
        return spreadOver(coupons, allowed);
    };
    for (std::size_t i = 0; i < picked.size(); ++i) {
        add(analysis.oneWrong, wrongAt({picked[i]}));
        for (std::size_t j = i + 1; j < picked.size(); ++j) add(analysis.twoWrong, wrongAt({picked[i], picked[j]}));
    }
    return analysis;
}

}  // namespace andel
