// A Windows-form path resolved through the drive map of a config.kvs. The input's first
// line is the path, the rest the settings file. The working directory holds one
// directory and file so that case-blind matching has something to find.
#include "fuzz_support.h"
#include "platform/io_error.h"
#include "settings/drive_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    const auto [path, settingsFile] = fuzz::splitFirstLine(fuzz::bytesOf(data, size));
    directory.put("config.kvs", settingsFile);
    directory.put("Ntfile/KRYSSEN.NTF", "x");
    fuzz::QuietMessages messages;
    try {
        const SettingsStore settings = mainStore(workspace, messages, [](int) {});
        const DriveMap drives = settingsDriveMap(workspace, settings, DriveDefaults{workspace.root(), {}});
        (void)drives.resolve(path);
        (void)drives.fileExists(path);
        (void)driveLetterOf(path);
    } catch (const IoError&) {
    }
    return 0;
}
