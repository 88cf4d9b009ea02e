#pragma once
// The stem ("stamme"): the 12 sign masks the agent marks, and the row counts of the system.
#include "model/signs.h"

#include <array>
#include <cstdint>

namespace andel {

struct Stem {
    std::array<SignMask, kMatches> masks{};  // index 0 = match 1
    friend bool operator==(const Stem&, const Stem&) = default;
};

// Matches 1-2 H; 3-4 H and U; 5-12 H, U and B.
Stem defaultStem();
// All 12 matches H, U and B.
Stem resetStem();

struct KindCounts {
    int sure = 0;
    int halfGuarded = 0;
    int fullyGuarded = 0;
};
KindCounts countKinds(const Stem& stem);

// Every match has a sign and at least 4 are fully guarded.
bool keepsInvariants(const Stem& stem);
constexpr int kMinimumFullyGuarded = 4;

struct RowCounts {
    std::int64_t rowsPerCoupon = 0;
    std::int64_t totalRows = 0;  // all nine coupons
    std::int64_t stemRows = 0;   // the unreduced stem
};
// From the kind counts: n = 9, times 3 for each fully guarded match beyond the fourth,
// times 2 for each half guarded one.
RowCounts rowCounts(const KindCounts& kinds);

}  // namespace andel
