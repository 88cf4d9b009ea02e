#pragma once
// The games the online-file window writes. Each game is described once here, and the
// one reader, record builder and writer take their differences from its description.
#include "online/header_record.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace andel {

// How a game's rows stand in the intermediate rows file.
enum class RowsLayout {
    SystemAndSingleRows,  // "#SYSTEMKUPONGER" (one line per system coupon) and "#ENKELREKKER"
    SystemBlocksAndSingleRows,  // as above, system coupons in blocks headed "SYSTEMKUPONGNR"
    Rows,                 // "#REKKER": row lines, ten to a coupon
};

// What a row of the game is.
enum class RowKind {
    Signs,     // a sign mask (H = 4, U = 2, B = 1) per match
    Numbers,   // chosen numbers
    OddsBets,  // a match number, an outcome and a stake
};

// What a header count field of the game holds.
enum class HeaderCountMeaning {
    Coupons,          // coupon records in the file
    Rows,             // rows played: system sizes plus single rows
    Stake,            // sum of the stakes, whole kroner
    RekkeantallIalt,  // the rows file's "#REKKEANTALLIALT", as given
};

struct HeaderCountUse {
    HeaderCount field;
    HeaderCountMeaning meaning;
};

// The rules of a game's rows. These are this program's reading of games the operator
// defines, so they live in one table (online_games.cpp) where they can be corrected.
struct RowRules {
    RowKind kind;
    int marksPerRow = 0;        // Signs: matches; Numbers: numbers on a single row
    int lowest = 0;             // Numbers: lowest number; OddsBets: lowest match number
    int highest = 0;            // Numbers: highest number; OddsBets: highest match number
    int mostSystemNumbers = 0;  // Numbers: most numbers on a system row (0: no system rows)
    int lowestStake = 0;        // OddsBets: kroner per bet
    int highestStake = 0;
};

struct OnlineGame {
    std::string_view name;        // "TIPPING", "LOTTO", ...
    std::string_view couponCode;  // coupon record positions 5-6
    std::string_view version;     // header record positions 5-7
    RowsLayout layout;
    // The header's count fields in use, with what each holds.
    std::vector<HeaderCountUse> counts;
    RowRules rows;
    // The window lists the records it writes (header dump and one entry per coupon).
    bool listsRecords = false;
};

// The game of that exact name; nothing for a name this program does not write.
const OnlineGame* findOnlineGame(std::string_view name);
const OnlineGame& tippingGame();
// Every game, TIPPING first.
const std::vector<OnlineGame>& onlineGames();
// The game of a coupon record's game code; nothing for an unknown code.
const OnlineGame* gameOfCouponCode(std::string_view code);

}  // namespace andel
