#pragma once
// The working record built from a stem on every recomputation: which four fully guarded
// matches are reduced ('M') and which column of the coupon template each match uses.
#include "model/signs.h"
#include "model/stem.h"

#include <array>
#include <cstdint>

namespace andel {

struct StemAnalysis {
    using Bytes = std::array<std::uint8_t, kMatches>;
    Bytes mask{};         // the stem mask of each match
    Bytes workingMask{};  // a copy of mask, 8 for a reduced match
    Bytes spare1{};       // left untouched by the stem routines
    Bytes spare2{};
    Bytes placed{};       // 255 once a position is given (restored from savedPlaced afterwards)
    Bytes position{};     // 1 to 12: the template column the match uses
    Bytes savedPlaced{};
    std::array<char, kMatches> kind{};  // 'S' played from the stem, 'M' reduced
};

constexpr int kReducedMatches = 4;

// Kinds scanning from match 12 down (the four fully guarded matches with the highest
// numbers become 'M'), then positions: 'M' matches with two signs, 'M' matches with
// all three, then the rest, each group in ascending match order.
StemAnalysis analyseStem(const Stem& stem);

}  // namespace andel
