#pragma once
// Saving the syndicate in hand into the row storage.
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "storage/storage_file.h"
#include "workbench/workbench_state.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace andel {

inline constexpr std::string_view kSavedLagerMessage = "   Intern lagring OK    ";
inline constexpr std::string_view kSavedOnlineMessage = "Intern lagring OK + Onlinefil OK";
inline constexpr std::string_view kSaveFailedMessage = "Klarte ikke å lagre rekkene";
inline constexpr std::string_view kUnregisteredSaveMessage =
    "Du kan ikke lagre rekker som uregistrert spiller\rHent navn og spillenummer i kundekartoteket.";

// The lock taken in the storage directory while a save chooses its file's name.
inline constexpr std::string_view kStorageLockFileName = "LAGRING.LCK";

// Writes the storage file (atomically) and shows the mode's message over the main window. In mode Online the online
// file's serial number is stored, in mode Lager none. Returns the file written, or
// nothing after "Klarte ikke å lagre rekkene" when the directory or the file could not
// be written. A save never replaces a stored syndicate: when the name of `now` is taken,
// the file is named (and its saving time written) by the next free second; the choice is
// made under kStorageLockFileName, so saves of several programs never meet on one name.
// The caller then refreshes an open storage browser.
std::optional<std::filesystem::path> saveStoredRows(const WorkbenchState& state, StorageMode mode,
                                                    const Workspace& workspace, Messages& messages,
                                                    const LocalDateTime& now = localNow());

// The save-rows command ("Lagre tipperekker", "Lagre rekker"): refused near the mouse
// pointer while the player number reads "UREGISTRERT", otherwise a save in mode Lager.
std::optional<std::filesystem::path> saveRowsCommand(const WorkbenchState& state, const Workspace& workspace,
                                                     Messages& messages, const LocalDateTime& now = localNow());

}  // namespace andel
