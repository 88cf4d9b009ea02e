#include "workbench/player_choice.h"

#include "register/customer_cells.h"
#include "workbench/recompute.h"

namespace andel {

void takePlayer(WorkbenchState& state, const Player& player) {
    forgetOnlineFile(state);
    state.xfornavn = player.firstName;
    state.etternavn = player.lastName;
    state.spillenummer = groupedPlayerNumber(player.number);
    state.panel55 = syndicateName(Player{state.xfornavn, state.etternavn, state.spillenummer});
}

}  // namespace andel
