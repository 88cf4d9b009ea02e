#include "settings/serial_counter.h"

#include "model/text.h"
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

// The number a stored value gives; nothing for a value that is not one of the four-digit
// serial numbers (it would not fit the online file's header nor the backup copy's name).
std::optional<int> serialOf(const SettingValue& stored) {
    if (!stored.found) return kFirstSerial;
    const std::string digits = removeBlanks(stored.value);
    if (digits.empty() || digits.size() > 9 || digitsOnly(digits) != digits) return std::nullopt;
    const int serial = std::stoi(digits);
    if (serial < kFirstSerial || serial > kLastSerial) return std::nullopt;
    return serial;
}

int following(int serial) { return serial == kLastSerial ? kFirstSerial : serial + 1; }

}  // namespace

std::string damagedSerialMessage(const std::string& storedValue) {
    return "Serienummeret for onlinefiler (UNIKTNUMMER_ONLINEFIL i onlcopi\\config.kvs) er ugyldig: \"" +
           storedValue + "\".\rNummereringen begynner igjen på 1000.";
}

int peekSerial(const Workspace& workspace, Messages& messages, WaitFunction wait) {
    const SettingsStore store = serialStore(workspace, messages, std::move(wait));
    return serialOf(store.getString(kUniktnummerOnlinefil.name)).value_or(kFirstSerial);
}

std::optional<int> takeSerial(const Workspace& workspace, Messages& messages, WaitFunction wait) {
    SettingsStore store = serialStore(workspace, messages, std::move(wait));
    int taken = kFirstSerial;
    std::optional<std::string> damaged;
    const bool stored = store.update(kUniktnummerOnlinefil.name, [&](const SettingValue& current) {
        const auto serial = serialOf(current);
        damaged = serial ? std::nullopt : std::optional<std::string>(current.value);
        taken = serial.value_or(kFirstSerial);
        return std::to_string(following(taken));
    });
    if (damaged) messages.inform(damagedSerialMessage(*damaged));
    if (!stored) return std::nullopt;
    return taken;
}

bool returnSerial(const Workspace& workspace, int taken, Messages& messages, WaitFunction wait) {
    SettingsStore store = serialStore(workspace, messages, std::move(wait));
    return store.update(kUniktnummerOnlinefil.name, [&](const SettingValue& current) -> std::optional<std::string> {
        if (serialOf(current) != following(taken)) return std::nullopt;
        return std::to_string(taken);
    });
}

}  // namespace andel
