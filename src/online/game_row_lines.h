#pragma once
// One row line of a game other than TIPPING, checked and turned into the bytes of its
// row field. The forms are told with an example per game in online_games.md.
#include "online/online_games.h"

#include <string>
#include <string_view>

namespace andel {

struct GameRowLine {
    std::string field;    // the row field's bytes (at most 26); the record fills the rest
    long rows = 0;        // the rows the line stands for
    long stake = 0;       // ODDS: the bet's stake in kroner
    std::string problem;  // why the line cannot be written; empty when it can
};

// A line of "#REKKER" (LOTTO, VIKING-LOTTO, ODDS): the numbers or the bet alone.
GameRowLine readPlainRowLine(const RowRules& rules, std::string_view line);

// A line of "#SYSTEMKUPONGER" or "#ENKELREKKER" (EXTRA, ODDSBOMBEN): a four-digit row
// count, a blank and the row. The count must be what the row stands for; a single row
// (`system` false) must stand for exactly one row, a system row for more than one.
GameRowLine readCountedRowLine(const RowRules& rules, std::string_view line, bool system);

}  // namespace andel
