#pragma once
// The online-file serial number: four digits, 1000 to 9999 and round again. It is kept in
// the settings store of the backup directory onlcopi, next to the backup copies it names.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "settings/settings_store.h"

#include <optional>
#include <string>

namespace andel {

// The stored number; 1000 when it is missing, not a number or outside 1000 to 9999.
// Creates onlcopi when missing (IoError when that fails).
int peekSerial(const Workspace& workspace, Messages& messages,
               WaitFunction wait = sleepMilliseconds);

// Takes the stored number and stores the next one (after 9999 comes 1000) in one hold of
// the store's lock, so two makings never get the same number. A stored value that is
// not a number from 1000 to 9999 is reported (damagedSerialMessage) and counts as 1000.
// Nothing when the store could not be written (its message has then been shown).
std::optional<int> takeSerial(const Workspace& workspace, Messages& messages,
                              WaitFunction wait = sleepMilliseconds);

// Gives back a number taken by a making that was then undone, so it is not skipped: the
// store goes back to `taken` only while it still holds the number after it.
bool returnSerial(const Workspace& workspace, int taken, Messages& messages,
                  WaitFunction wait = sleepMilliseconds);

std::string damagedSerialMessage(const std::string& storedValue);

}  // namespace andel
