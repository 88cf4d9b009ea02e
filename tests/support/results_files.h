#pragma once
// Writes results files (".kui") with given team names, as the main program stores them.
#include "model/coupon_type.h"
#include "model/game_week.h"
#include "results/results_file.h"
#include "support/temp_dir.h"

#include <string>
#include <utility>
#include <vector>

namespace andel::test {

// Team names of matches 1, 2, ...: {home, away}.
using MatchNames = std::vector<std::pair<std::string, std::string>>;

inline ResultsRecord recordWithTeams(const MatchNames& matches) {
    ResultsRecord record;
    for (std::size_t m = 0; m < matches.size(); ++m) {
        record.homeTeams[m].assign(matches[m].first);
        record.awayTeams[m].assign(matches[m].second);
    }
    return record;
}

inline void writeResultsFile(const TempDir& dir, CouponType type, const GameWeek& week,
                             const std::string& bytes) {
    dir.write(resultsFileRelativePath(type, week), bytes);
}

inline void writeResultsFile(const TempDir& dir, CouponType type, const GameWeek& week,
                             const MatchNames& matches) {
    writeResultsFile(dir, type, week, encodeResultsRecord(recordWithTeams(matches)));
}

}  // namespace andel::test
