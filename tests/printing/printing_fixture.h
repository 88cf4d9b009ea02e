#pragma once
// A syndicate ready for certificates: the default system, a registered player, an online
// file, a round and its team names.
#include "workbench/recompute.h"
#include "workbench/workbench_state.h"

#include <string>

namespace andel::test {

inline WorkbenchState printableState(int shares = 5) {
    WorkbenchState state = initialWorkbenchState();
    state.antallandeler = state.antallandeler2 = shares - 1;
    recomputePrice(state);
    state.ukecomboboxItems = {" UKE 05 -2000"};
    state.ukecombobox = 0;
    state.xfornavn = "Kari";
    state.etternavn = "Nordmann";
    state.spillenummer = "123 456 789";
    state.online.pathAndName = "C:\\NTFILE\\KRYSSEN_1042.NTF";
    state.online.serialNumber = "1042";
    state.online.date = "Dato 01.02.2000  Kl 18:30:00";
    state.agentLine1 = "Bryggen Tipp & Tobakk, Strandkaien 14, 5013 Bergen";
    state.agentLine2 = "Telefon 55 31 42 07, Telefax 55 31 42 08, ";
    for (int m = 0; m < 12; ++m) {
        state.teamNames[2 * m] = "Hjemme" + std::to_string(m + 1);
        state.teamNames[2 * m + 1] = "Borte" + std::to_string(m + 1);
    }
    return state;
}

}  // namespace andel::test
