#pragma once
// Tying the syndicate to a player chosen in the customer register.
#include "model/player.h"
#include "workbench/workbench_state.h"

namespace andel {

// Forgets the online file (the syndicate changed hands), shows the player in the three
// player fields and names the syndicate after them; the number is grouped in threes.
void takePlayer(WorkbenchState& state, const Player& player);

}  // namespace andel
