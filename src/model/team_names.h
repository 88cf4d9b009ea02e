#pragma once
// The team names of a round: home 1, away 1, home 2, away 2, ... home 12, away 12.
#include "model/signs.h"

#include <array>
#include <cstddef>
#include <string>

namespace andel {

using TeamNames = std::array<std::string, 2 * kMatches>;
// Longest name an entry holds, in Windows-1252 bytes.
constexpr std::size_t kTeamNameLength = 30;

}  // namespace andel
