#pragma once
// What changed in a ledger between two readings, in the agent's words: the ledger window
// shows it when another program changed the ledger while the window showed it.
#include "books/ledger.h"

#include <string>
#include <vector>

namespace andel {

// One line per change from `shown` to `now` ("Andel 2: betalt kr 21, 02.12.2026"), in
// share order; empty when they are the same.
std::vector<std::string> ledgerDifferences(const Ledger& shown, const Ledger& now);

}  // namespace andel
