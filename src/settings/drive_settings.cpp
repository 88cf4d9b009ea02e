#include "settings/drive_settings.h"

namespace andel {

DriveMap settingsDriveMap(const Workspace& workspace, const SettingsStore& settings, DriveDefaults defaults) {
    const SettingsStore* store = &settings;
    return DriveMap(
        workspace,
        [store](char letter) -> std::optional<std::string> {
            const SettingValue setting = store->getString(std::string("DRIVE_") + letter);
            if (!setting.found) return std::nullopt;
            return setting.value;
        },
        std::move(defaults));
}

}  // namespace andel
