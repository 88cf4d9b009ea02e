#pragma once
// The selectors of the main window (game week, coupon type, time basis) with their arrow
// buttons, "Sett til dagens kupong", and the show/hide panels.
#include "model/coupon_type.h"
#include "model/game_week.h"
#include "platform/workspace.h"
#include "workbench/workbench_state.h"

#include <functional>

namespace andel {

// What changing the round needs from outside the state: loading the round's team names
// and result. Empty functions do nothing (tests, the command-line tool).
struct RoundRefresh {
    std::function<void(WorkbenchState&, const GameWeek&, CouponType)> loadRound;
    std::function<void(WorkbenchState&)> recountPrizes;
};

CouponType couponTypeOf(const WorkbenchState& state);
TimeBasis timeBasisOf(const WorkbenchState& state);
std::string gameWeekTextOf(const WorkbenchState& state);  // the selected item, "" when none

// Colours by coupon type (0x00BBGGRR): the type's own text blue/red/teal, and the
// headings that follow it navy/red/teal.
std::uint32_t couponTypeColour(CouponType type);
std::uint32_t couponHeadingColour(CouponType type);

// Fills the game-week list (newest first) and selects its first item.
void fillGameWeeks(WorkbenchState& state, int currentYear);

// Reads week and year from the selector, loads the round and its result, and shows
// coupon type + " " + game-week text in the game-week display.
void refreshGameWeek(WorkbenchState& state, const RoundRefresh& refresh);

// A choice in a list. The game week keeps the online file; coupon type and time basis
// forget it, and the coupon type also switches the row price.
void chooseGameWeek(WorkbenchState& state, int index, const RoundRefresh& refresh);
void chooseCouponType(WorkbenchState& state, int index, const RoundRefresh& refresh);
void chooseTimeBasis(WorkbenchState& state, int index, const RoundRefresh& refresh);

// The arrows beside the selectors: step -1 (upper arrow) or +1 (lower arrow), never
// past the first or last item. The coupon type's arrows switch the row price and
// recompute the price as a choice in the list does; the main window's change of the
// syndicate forgets the online file (workbench/syndicate_change.h).
enum class Selector { GameWeek, CouponType, TimeBasis };
void stepSelector(WorkbenchState& state, Selector selector, int step, const RoundRefresh& refresh);

// Where a week belongs in the newest-first list: before the first older item.
std::size_t newestFirstPosition(const std::vector<std::string>& items, const GameWeek& week);

// Selects today's game week, inserting it into the list in its place when missing (the
// list goes through the file noddsuke.tmp of the working directory), then refreshes.
void setTodaysGameWeek(WorkbenchState& state, const GameWeek& today, const Workspace& workspace,
                       const RoundRefresh& refresh);

// "Forhåndsvisning": hides the command panel, fills the preview's hidden directory and
// file name ("UKJENT" / "IKKE LAGET" while no online file is known) and its game week,
// then shows the preview or hides it.
void togglePreview(WorkbenchState& state);

// "Resett" of the colour panel: silver background, black text.
void resetCouponColours(WorkbenchState& state);

}  // namespace andel
