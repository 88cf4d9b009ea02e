#pragma once
// A stem given on the command line as twelve mask digits (H = 4, U = 2, B = 1).
#include "model/stem.h"

#include <string>

namespace andel::cli {

// Twelve digits 1 to 7 with at least four 7s; anything else is a UsageError.
Stem stemArgument(const std::string& text);

}  // namespace andel::cli
