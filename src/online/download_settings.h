#pragma once
// The agent's download settings file "wwwkvasarlaster.txt": a key line followed by its
// value line. The downloading program may hold it while it rewrites it, so a read waits
// for it a little and otherwise takes the defaults.
#include "platform/file_lock.h"
#include "platform/workspace.h"
#include "settings/settings_store.h"

#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kDownloadSettingsFileName = "wwwkvasarlaster.txt";

// The value of `key` with its surrounding blanks removed; "" when the file is missing,
// still in use after two tests each followed by a pause of 500 ms, or lacks the key.
std::string downloadSetting(const Workspace& workspace, std::string_view key,
                            const WaitFunction& wait = sleepMilliseconds);

// "ONLINEUBLANK": the fill character of the row fields. Only "0" is defined, and it is
// also the default, so every value gives "0".
char onlineFillCharacter(const Workspace& workspace, const WaitFunction& wait = sleepMilliseconds);

// "SKIPCHARERROR" = "JA": records keep their Norwegian letters and their check characters
// are not brought into 32-127.
bool skipCharacterCheck(const Workspace& workspace, const WaitFunction& wait = sleepMilliseconds);

}  // namespace andel
