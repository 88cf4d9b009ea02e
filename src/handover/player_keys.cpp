#include "handover/player_keys.h"

#include "model/text.h"
#include "settings/settings_keys.h"

namespace andel {
namespace {

std::string readKey(const SettingsStore& store, const TextKey& key) {
    const std::string value = trimBlanks(store.getString(key.name).value);
    return value.empty() ? std::string(key.fallback) : value;
}

}  // namespace

Player readPlayerKeys(const SettingsStore& store) {
    return Player{readKey(store, kFornavn), readKey(store, kEtternavn), readKey(store, kTippernummer)};
}

bool writePlayerKeys(SettingsStore& store, const Player& player) {
    // Each key is written even when an earlier one failed, so as much as possible is kept.
    bool ok = store.setString(kFornavn.name, player.firstName);
    ok = store.setString(kEtternavn.name, player.lastName) && ok;
    ok = store.setString(kTippernummer.name, player.number) && ok;
    return ok;
}

}  // namespace andel
