#include "stored_syndicate.h"

#include "settings/drive_settings.h"
#include "platform/io_error.h"
#include "storage/storage_directory.h"
#include "storage/storage_load.h"
#include "workbench/recompute.h"
#include "workbench/selectors.h"
#include "workbench/startup.h"

namespace andel::cli {

bool loadStoredSyndicate(WorkbenchState& state, const std::string& fileName, Context& context) {
    const std::optional<std::filesystem::path> storage = enterStorageDirectory(context.workspace.root());
    if (!storage) throw IoError("Kan ikke åpne lageret pul1lgr");
    const SettingsStore settings = mainStore(context.workspace, context.messages);
    const DriveMap drives = settingsDriveMap(context.workspace, settings);
    const OnlineFileProbe stillThere = [&drives](const std::string& path) { return drives.fileExists(path); };
    if (!loadStoredRows(state, *storage, fileName, context.messages, stillThere).loaded) return false;
    recomputeSystem(state);
    refreshGameWeek(state, roundRefresh(context.workspace, context.messages));
    recomputePrice(state);
    return true;
}

}  // namespace andel::cli
