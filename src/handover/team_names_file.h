#pragma once
// The team names of a game week: first from the round's results file, then from the
// yearly file of team names "KUP_" + year + ".TXT" that the agent or the main program
// keeps. In that file a section "#UKE ww" holds blocks "^LØRDAG", "^SØNDAG" and
// "^ONSDAG"; the lines after a block's start whose second character is "^" are its
// entries, home 1, away 1, ... away 12, each from its third character on.
#include "model/coupon_type.h"
#include "model/game_week.h"
#include "model/team_names.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <string>
#include <string_view>

namespace andel {

struct TeamNamesLoad {
    TeamNames names;
    bool found = false;  // the file of team names has the block of the week and coupon
};

std::string teamNamesFileName(int year);  // "KUP_2000.TXT"

// Puts the entries of the block for `week` and `type` found in the file's bytes over
// `names` (entries the block does not give keep their text) and tells whether the block
// was found. Entries are cut to 30 characters; at most 24 are taken.
bool applyTeamNamesFile(std::string_view bytes, int week, CouponType type, TeamNames& names);

// The whole load of the main window: results file, then the file of team names, which
// is created holding its own name when missing. IoError when that file cannot be read
// or created.
TeamNamesLoad loadTeamNames(const Workspace& workspace, Messages& messages, const GameWeek& week,
                            CouponType type);

}  // namespace andel
