#include "stem_argument.h"

#include "cli_support.h"

namespace andel::cli {

Stem stemArgument(const std::string& text) {
    if (text.size() != kMatches) {
        throw UsageError("MASKS must be 12 digits, one per match, not \"" + text + "\"");
    }
    Stem stem;
    for (int m = 0; m < kMatches; ++m) {
        const char c = text[m];
        if (c < '1' || c > '7') {
            throw UsageError("MASKS digit " + std::to_string(m + 1) + " must be 1 to 7 (H = 4, U = 2, B = 1), not \"" +
                             std::string(1, c) + "\"");
        }
        stem.masks[m] = static_cast<SignMask>(c - '0');
    }
    if (countKinds(stem).fullyGuarded < kMinimumFullyGuarded) {
        throw UsageError("MASKS must hold at least four 7s (fully guarded matches)");
    }
    return stem;
}

}  // namespace andel::cli
