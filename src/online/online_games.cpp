#include "online/online_games.h"

namespace andel {
namespace {

using C = HeaderCount;
using M = HeaderCountMeaning;

// Game codes, versions, count field positions, sections and the list dump are the
// operator's and fixed. The meaning of the count fields and the row rules (the last two
// columns) are this program's choices: correct them here if the operator differs.
std::vector<OnlineGame> makeGames() {
    return {
        {"TIPPING", "31", "003", RowsLayout::SystemAndSingleRows,
         {{C::H12, M::Coupons}, {C::H13, M::RekkeantallIalt}},
         {RowKind::Signs, 12}},
        {"LOTTO", "81", "003", RowsLayout::Rows,
         {{C::H16, M::Coupons}, {C::H17, M::Rows}},
         {RowKind::Numbers, 7, 1, 34}},
        {"VIKING-LOTTO", "75", "003", RowsLayout::Rows,
         {{C::H18, M::Coupons}, {C::H19, M::Rows}},
         {RowKind::Numbers, 6, 1, 48}},
        {"EXTRA", "53", "004", RowsLayout::SystemAndSingleRows,
         {{C::H14, M::Rows}},
         {RowKind::Numbers, 7, 1, 36, 13},
         true},
        {"ODDSBOMBEN", "38", "003", RowsLayout::SystemBlocksAndSingleRows,
         {{C::H13, M::Rows}},
         {RowKind::Signs, 10},
         true},
        {"ODDS", "50", "004", RowsLayout::Rows,
         {{C::H13, M::Rows}, {C::H14, M::Stake}},
         {RowKind::OddsBets, 0, 1, 999, 0, 1, 9999}},
    };
}

}  // namespace

const std::vector<OnlineGame>& onlineGames() {
    static const std::vector<OnlineGame> games = makeGames();
    return games;
}

const OnlineGame& tippingGame() { return onlineGames().front(); }

const OnlineGame* findOnlineGame(std::string_view name) {
    for (const OnlineGame& game : onlineGames()) {
        if (game.name == name) return &game;
    }
    return nullptr;
}

const OnlineGame* gameOfCouponCode(std::string_view code) {
    for (const OnlineGame& game : onlineGames()) {
        if (game.couponCode == code) return &game;
    }
    return nullptr;
}

}  // namespace andel
