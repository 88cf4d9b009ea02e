// config.kvs read by the settings store: exact and quick reads, numbers and texts, and
// the rewrite the next write would make, read back.
#include "fuzz_support.h"
#include "platform/io_error.h"
#include "settings/kvs_lines.h"
#include "settings/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    fuzz::FreshDirectory& directory = fuzz::freshDirectory();
    const Workspace& workspace = directory.reset();
    const std::string_view bytes = fuzz::bytesOf(data, size);
    directory.put("config.kvs", bytes);
    fuzz::QuietMessages messages;
    try {
        const SettingsStore store = mainStore(workspace, messages, [](int) {});
        for (const char* key : {"FORNAVN", "REKKEPRIS_MIDTUKE", "SORTERING", "DRIVE_A"}) {
            (void)store.getString(key);
            (void)store.quickGet(key);
            (void)store.getInt(key, 7);
        }
        const std::string rewritten = rewriteWith(bytes, "FORNAVN", "Kari");
        (void)findValue(rewritten, "FORNAVN");
    } catch (const IoError&) {
    }
    return 0;
}
