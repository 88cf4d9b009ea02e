#pragma once
// Results files: tipperesultater/DAY/YEAR/ww_YEAR.kui, one record per round and coupon day.
#include "model/coupon_type.h"
#include "model/game_week.h"
#include "model/team_names.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "results/results_record.h"

#include <string>

namespace andel {

// "LORDAG", "SONDAG", "MIDTUKE".
std::string resultsDayName(CouponType type);
// "tipperesultater/LORDAG/2000/02_2000.kui" for week 2 of 2000.
std::string resultsFileRelativePath(CouponType type, const GameWeek& week);

// Written into the status of the record when the file exists but cannot be read.
inline constexpr std::string_view kUnreadableStatus = "999";

struct ResultsFileRead {
    ResultsRecord record;  // the default record unless a whole record was read
    bool exists = false;
    bool read = false;
};

// Reads the round's record. The directories of the path are created when missing, so
// asking for a round never stored leaves the empty path behind (IoError when that fails).
// A missing file gives the default record. A file that cannot be opened, or holds less
// than a whole record, gives the default record with status "999"; a short file is also
// reported, since it is damaged. Bytes after the first record are ignored.
ResultsFileRead readResultsFile(const Workspace& workspace, Messages& messages, CouponType type,
                                const GameWeek& week);

// The home and away names of matches 1 to 12 (at most 10 characters each).
TeamNames teamNamesOf(const ResultsRecord& record);

// The team names of a round; all empty when there is no readable file.
TeamNames readResultsTeamNames(const Workspace& workspace, Messages& messages, CouponType type,
                               const GameWeek& week);

}  // namespace andel
