#pragma once
// A syndicate's figures as folded from its events, kept beside the events so that a list
// of every syndicate (who owes, the season) reads one row per syndicate instead of
// folding ten years of events each time. They are never the books: each change writes
// them anew from the fold in the same transaction, a reader folds afresh whatever is
// missing, older than the syndicate's last event or unreadable, and the check compares
// every kept row with a fresh fold.
#include "books/ledger.h"

#include <optional>
#include <string>
#include <string_view>

namespace andel {

// Everything of a ledger but its id and facts (the syndicate row has them) and its
// history lines (a list needs none).
std::string encodeKeptFigures(const Ledger& ledger);
// The figures onto a ledger that already has its id and facts; false for bytes that are
// cut, too long or of another layout, the ledger then unchanged.
bool decodeKeptFigures(std::string_view bytes, Ledger& ledger);

}  // namespace andel
