#include "online/online_file_state.h"

#include "platform/file_io.h"

namespace andel {

bool checkOnlineFile(OnlineFileStatus& status, const DriveMap& drives) {
    if (status.pathAndName.empty()) return false;
    if (!drives.fileExists(status.pathAndName)) return false;
    status.availability = kOnlineFileFoundText;
    return true;
}

void toggleOnlineFileInfo(OnlineFileStatus& status, const DriveMap& drives) {
    status.infoPanelVisible = !status.infoPanelVisible && checkOnlineFile(status, drives);
}

void hideOnlineFileInfo(OnlineFileStatus& status) { status.infoPanelVisible = false; }

}  // namespace andel
