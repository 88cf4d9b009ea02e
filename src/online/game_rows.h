#pragma once
// The coupons of a rows file of a game other than TIPPING, as the online file will hold
// them. The reader counts from this and the writer writes from it, so the header's counts
// always match the records behind it. A line that cannot be written is left out and
// named in a problem, never half written.
#include "online/online_games.h"

#include <string>
#include <vector>

namespace andel {

struct GameCoupon {
    bool system = false;
    long systemSize = 1;                 // rows the coupon stands for
    std::vector<std::string> rowFields;  // 1 to 10
};

struct GameRows {
    std::vector<GameCoupon> coupons;
    long systemCoupons = 0;
    long systemRows = 0;
    long singleRows = 0;  // rows of coupons that are not system coupons
    long stake = 0;       // ODDS: sum of the stakes
    std::vector<std::string> missingSections;
    std::vector<std::string> problems;  // "Linje 31: tallet 35 er utenfor 1-34"
};

// The sections are searched after the header lines.
GameRows readGameRows(const OnlineGame& game, const std::vector<std::string>& lines);

// The bad lines a message box names; the rest are counted ("... og 3 linjer til").
inline constexpr std::size_t kProblemsShownInMessage = 5;

// The messages for the agent, one per missing section and one for all bad lines, naming
// at most `problemsShown` of them.
std::vector<std::string> gameRowsMessages(const OnlineGame& game, const GameRows& rows,
                                          std::size_t problemsShown = kProblemsShownInMessage);

// The heading of every message about a game's rows file: "FEIL I LOTTO-ONLINEFIL".
std::string gameErrorHeading(const OnlineGame& game);

}  // namespace andel
