#pragma once
// The player of the syndicate in hand, shared with the row-generating program through
// the settings store: read when the main window is created, written when it closes.
#include "model/player.h"
#include "settings/settings_store.h"

namespace andel {

// FORNAVN, ETTERNAVN and TIPPERNUMMER, trimmed; a key that is missing, empty or blank,
// or a store that cannot be read, gives "Tippe", "Vinnesen" and "000000000".
Player readPlayerKeys(const SettingsStore& store);

// Writes the three keys; false when the store refused one (it reports that itself).
bool writePlayerKeys(SettingsStore& store, const Player& player);

}  // namespace andel
