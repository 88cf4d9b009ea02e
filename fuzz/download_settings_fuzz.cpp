// The download settings wwwkvasarlaster.txt, read as the online-file writer reads them.
#include "fuzz_support.h"
#include "online/download_settings.h"
#include "platform/io_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    directory.put(std::string(kDownloadSettingsFileName), fuzz::bytesOf(data, size));
    const auto noWait = [](int) {};
    try {
        (void)onlineFillCharacter(workspace, noWait);
        (void)skipCharacterCheck(workspace, noWait);
        (void)downloadSetting(workspace, "NAVN", noWait);
    } catch (const IoError&) {
    }
    return 0;
}
