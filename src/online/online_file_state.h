#pragma once
// Whether the syndicate's online file is still where it was made, and the small panel
// with its date that the main window's online-file labels open and close.
#include "settings/drive_settings.h"
#include "workbench/workbench_state.h"

namespace andel {

inline constexpr std::string_view kOnlineFileFoundText = "Finner du her:";

// True when the status names a file that exists; its availability text then reads
// "Finner du her:". False for an empty path or a missing file (the caller shows its
// availability field with a text of its own).
bool checkOnlineFile(OnlineFileStatus& status, const DriveMap& drives);

// A click on `onlinefilpathogfilnavn`, `Label29` or `onlinefiltilgjengelig`: hides the
// date panel when shown, otherwise shows it when the online file is available.
void toggleOnlineFileInfo(OnlineFileStatus& status, const DriveMap& drives);

// A click on the date panel, `onlinefildato` or `Label28`.
void hideOnlineFileInfo(OnlineFileStatus& status);

}  // namespace andel
