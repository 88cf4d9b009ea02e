#pragma once
// A voided syndicate's online file must not stay where the terminal reads online files:
// it is moved into the subfolder ANNULLERT of its folder, where it is kept but not played.
#include "platform/drive_map.h"

#include <optional>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kVoidedFolderName = "ANNULLERT";

// Moves the online file (Windows form, "C:\NTFILE\X.NTF") into "C:\NTFILE\ANNULLERT\X.NTF",
// creating the folder, and answers its new path in Windows form. Nothing when the file is
// not where it was made (already moved, or its drive or diskette not there). IoError when
// the file is there but cannot be moved; it then stays where it was.
std::optional<std::string> moveOnlineFileToVoided(const DriveMap& drives, std::string_view onlineFile);

}  // namespace andel
