#include "settings/serial_counter.h"

#include "platform/file_io.h"
#include "settings/settings_keys.h"

namespace andel {
namespace {

constexpr int kFirstSerial = 1000;
constexpr int kLastSerial = 9999;

SettingsStore serialStore(const Workspace& workspace, Messages& messages, WaitFunction wait) {
    const auto directory = workspace.file("onlcopi");
    ensureDirectory(directory);
    return SettingsStore(directory / "config.kvs", messages, std::move(wait));
}

// A number outside the four digits would not fit the online file's header nor the
// backup copy's name, so it starts the count again.
int storedSerial(const SettingsStore& store) {
    const int serial = store.getInt(kUniktnummerOnlinefil);
    return serial >= kFirstSerial && serial <= kLastSerial ? serial : kFirstSerial;
}

}  // namespace

int peekSerial(const Workspace& workspace, Messages& messages, WaitFunction wait) {
    return storedSerial(serialStore(workspace, messages, std::move(wait)));
}

std::optional<int> nextSerial(const Workspace& workspace, Messages& messages, WaitFunction wait) {
    SettingsStore store = serialStore(workspace, messages, std::move(wait));
    const int current = storedSerial(store);
    const int next = current == kLastSerial ? kFirstSerial : current + 1;
    if (!store.setInt(kUniktnummerOnlinefil.name, next)) return std::nullopt;
    return next;
}

}  // namespace andel
