#include "stored_syndicate.h"

#include "settings/drive_settings.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "storage/storage_directory.h"
#include "storage/storage_load.h"
#include "workbench/recompute.h"
#include "workbench/selectors.h"
#include "workbench/startup.h"

#include <algorithm>

namespace andel::cli {

namespace {

// The directory and name of STORAGEFILE: a name in pul1lgr/, or a path ("pul1lgr/NAME",
// "../other/pul1lgr/NAME") taken from the working directory. A file that is not there is
// said to be missing rather than unreadable.
std::pair<std::filesystem::path, std::string> storageFileOf(const std::string& argument, const Context& context) {
    const bool path = argument.find_first_of("/\\") != std::string::npos;
    std::filesystem::path file;
    if (path) {
        std::string portable = argument;
        std::replace(portable.begin(), portable.end(), '\\', '/');
        file = context.workspace.root() / std::filesystem::path(std::u8string(portable.begin(), portable.end()));
    } else {
        const std::optional<std::filesystem::path> storage = enterStorageDirectory(context.workspace.root());
        if (!storage) throw IoError("Kan ikke åpne lageret pul1lgr");
        file = *storage / std::filesystem::path(std::u8string(argument.begin(), argument.end()));
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw IoError("Fant ikke det lagrede andelslaget " + argument + " (" + pathText(file) + ").");
    }
    return {file.parent_path(), pathText(file.filename())};
}

}  // namespace

bool loadStoredSyndicate(WorkbenchState& state, const std::string& fileName, Context& context) {
    const auto [directory, name] = storageFileOf(fileName, context);
    const SettingsStore settings = mainStore(context.workspace, context.messages);
    const DriveMap drives = settingsDriveMap(context.workspace, settings);
    const OnlineFileProbe stillThere = [&drives](const std::string& path) { return drives.fileExists(path); };
    if (!loadStoredRows(state, directory, name, context.messages, stillThere).loaded) return false;
    recomputeSystem(state);
    refreshGameWeek(state, roundRefresh(context.workspace, context.messages));
    recomputePrice(state);
    return true;
}

}  // namespace andel::cli
