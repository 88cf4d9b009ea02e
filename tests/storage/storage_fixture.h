#pragma once
// A syndicate in hand and a fixed moment of saving for the storage tests.
#include "platform/clock.h"
#include "workbench/recompute.h"
#include "workbench/workbench_state.h"

namespace andel::test {

inline LocalDateTime savedAt(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    return LocalDateTime{std::chrono::year{year} / month / day, hour, minute, second};
}

// The default stem, five shares, a registered player and three weeks in the selector.
inline WorkbenchState syndicate() {
    WorkbenchState state = initialWorkbenchState();
    state.ukecomboboxItems = {" UKE 06 -2000", " UKE 05 -2000", " UKE 04 -2000"};
    state.ukecombobox = 1;
    state.xfornavn = "Kari";
    state.etternavn = "Nordmann";
    state.spillenummer = "123 456 789";
    state.panel55 = "Kari Nordmann 123 456 789";
    return state;
}

}  // namespace andel::test
