#include "model/stem_analysis.h"

namespace andel {
namespace {

constexpr std::uint8_t kNotPlaced = 0, kPlaced = 255, kReducedMarker = 8;

bool isTwoSigns(std::uint8_t mask) { return mask == 3 || mask == 5 || mask == 6; }

}  // namespace

StemAnalysis analyseStem(const Stem& stem) {
    StemAnalysis a;
    a.mask = stem.masks;
    a.workingMask = stem.masks;

    int reduced = 0;
    for (int m = kMatches - 1; m >= 0; --m) {
        if (a.mask[m] == kAllSigns && reduced < kReducedMatches) {
            a.kind[m] = 'M';
            a.workingMask[m] = kReducedMarker;
            a.placed[m] = kReducedMarker;
            ++reduced;
        } else {
            a.kind[m] = 'S';
            a.placed[m] = kNotPlaced;
        }
    }
    a.savedPlaced = a.placed;

    std::uint8_t next = 1;
    auto placeWhere = [&](auto&& wanted) {
        for (int m = 0; m < kMatches; ++m) {
            if (a.placed[m] != kPlaced && wanted(m)) {
                a.position[m] = next++;
                a.placed[m] = kPlaced;
            }
        }
    };
    placeWhere([&](int m) { return a.kind[m] == 'M' && isTwoSigns(a.mask[m]); });
    placeWhere([&](int m) { return a.kind[m] == 'M' && a.mask[m] == kAllSigns; });
    placeWhere([](int) { return true; });

    a.placed = a.savedPlaced;
    return a;
}

}  // namespace andel
