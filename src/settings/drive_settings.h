#pragma once
// The drive map of a working directory, its letters named by the settings DRIVE_A..DRIVE_Z.
#include "platform/drive_map.h"
#include "settings/settings_store.h"

namespace andel {

// The store must outlive the map: each lookup reads the setting afresh.
DriveMap settingsDriveMap(const Workspace& workspace, const SettingsStore& settings,
                          DriveDefaults defaults = systemDriveDefaults());

}  // namespace andel
