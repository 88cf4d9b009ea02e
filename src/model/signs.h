#pragma once
// Signs of a match: H (home win) = 4, U (draw) = 2, B (away win) = 1.
#include <array>
#include <cstdint>

namespace andel {

constexpr int kMatches = 12;
constexpr int kCoupons = 9;

using SignMask = std::uint8_t;  // 1 to 7 in a stem; the sum of the chosen signs
constexpr SignMask kHome = 4, kDraw = 2, kAway = 1, kAllSigns = 7;
constexpr std::array<SignMask, 3> kSignBits = {kHome, kDraw, kAway};  // column order H, U, B

// Rows a mask contributes: 1 for one sign, 2 for two, 3 for all three (0 for no sign).
constexpr int signCount(SignMask mask) {
    return ((mask >> 2) & 1) + ((mask >> 1) & 1) + (mask & 1);
}

enum class MatchKind { Sure, HalfGuarded, FullyGuarded };

constexpr MatchKind kindOf(SignMask mask) {
    const int count = signCount(mask);
    return count >= 3 ? MatchKind::FullyGuarded : count == 2 ? MatchKind::HalfGuarded : MatchKind::Sure;
}

}  // namespace andel
