#pragma once
// The online-file serial number: four digits, 1000 to 9999 and round again. It is kept in
// the settings store of the backup directory onlcopi, next to the backup copies it names.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "settings/settings_store.h"

#include <optional>

namespace andel {

// The stored number; 1000 when it is missing, not a number or outside 1000 to 9999.
// Creates onlcopi when missing (IoError when that fails).
int peekSerial(const Workspace& workspace, Messages& messages,
               WaitFunction wait = sleepMilliseconds);

// Stores the next number (after 9999 comes 1000) and returns it; nothing when the store
// could not be written (its message has then been shown).
std::optional<int> nextSerial(const Workspace& workspace, Messages& messages,
                              WaitFunction wait = sleepMilliseconds);

}  // namespace andel
