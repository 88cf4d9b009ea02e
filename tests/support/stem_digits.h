#pragma once
// A stem written as its twelve mask digits ("446677777777"), as tests state them.
#include "model/stem.h"

#include <string_view>

namespace andel::test {

inline Stem stemFromDigits(std::string_view digits) {
    Stem stem;
    for (int m = 0; m < kMatches && m < static_cast<int>(digits.size()); ++m) {
        stem.masks[m] = static_cast<SignMask>(digits[m] - '0');
    }
    return stem;
}

}  // namespace andel::test
