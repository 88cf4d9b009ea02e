#include "model/stem.h"

namespace andel {

Stem defaultStem() {
    Stem stem;
    for (int m = 0; m < kMatches; ++m) {
        stem.masks[m] = m < 2 ? kHome : m < 4 ? SignMask(kHome | kDraw) : kAllSigns;
    }
    return stem;
}

Stem resetStem() {
    Stem stem;
    stem.masks.fill(kAllSigns);
    return stem;
}

KindCounts countKinds(const Stem& stem) {
    KindCounts counts;
    for (SignMask mask : stem.masks) {
        switch (kindOf(mask)) {
            case MatchKind::Sure: ++counts.sure; break;
            case MatchKind::HalfGuarded: ++counts.halfGuarded; break;
            case MatchKind::FullyGuarded: ++counts.fullyGuarded; break;
        }
    }
    return counts;
}

bool keepsInvariants(const Stem& stem) {
    for (SignMask mask : stem.masks) {
        if (mask < 1 || mask > 7) return false;
    }
    return countKinds(stem).fullyGuarded >= kMinimumFullyGuarded;
}

RowCounts rowCounts(const KindCounts& kinds) {
    std::int64_t n = 9;
    for (int i = kMinimumFullyGuarded; i < kinds.fullyGuarded; ++i) n *= 3;
    for (int i = 0; i < kinds.halfGuarded; ++i) n *= 2;
    return RowCounts{n / 9, n, 9 * n};
}

}  // namespace andel
