#include "settings/settings_store.h"

#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "settings/kvs_lines.h"

#include <charconv>

namespace andel {
namespace {

constexpr int kBusyWaitMs = 500;
constexpr int kBusyWaits = 2;        // per attempt
constexpr int kPauseMs = 10;         // after each failed attempt
constexpr int kMaxAttempts = 301;

bool refusedText(std::string_view text) {
    return text.find_first_of("=\r\n") != std::string_view::npos;
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path file, Messages& messages, WaitFunction wait)
    : file_(std::move(file)), messages_(&messages), wait_(std::move(wait)) {}

bool SettingsStore::waitUntilFree() const {
    for (int waits = 0;; ++waits) {
        if (!isFileBusy(file_)) return true;
        if (waits == kBusyWaits) return false;
        wait_(kBusyWaitMs);
    }
}

// Attempts numbered from 1 until one succeeds or the last is made. Only a store that
// stayed unusable through every attempt is reported: a late success is still a success.
bool SettingsStore::retry(const std::function<bool()>& attempt, std::string_view failure) const {
    int made = 0;
    bool ok = false;
    while (!ok && made < kMaxAttempts) {
        ++made;
        ok = attempt();
        if (!ok) wait_(kPauseMs);
    }
    if (!ok) {
        const std::filesystem::path directory =
            file_.has_parent_path() ? file_.parent_path() : std::filesystem::path(".");
        messages_->inform(std::string(failure) + "\r" + Workspace(directory).displayName());
    }
    return ok;
}

bool SettingsStore::readAttempt(const std::string& foldedKey, std::string& value) const {
    if (!fileExists(file_) || !waitUntilFree()) return false;
    const auto bytes = readFileBytes(file_, kMaxFileBytes);
    if (!bytes) return false;
    value = findValue(*bytes, foldedKey).value_or(std::string());
    return true;
}

SettingValue SettingsStore::getString(std::string_view key) const {
    if (!fileExists(file_)) return {};
    const std::string foldedKey = upperCase(key);
    std::string value;
    const bool ok = retry([&] { return readAttempt(foldedKey, value); },
                          "Klarte ikke GetString, selv på 300 forsøk");
    if (!ok) return {};
    const bool found = !value.empty();
    return {std::move(value), found};
}

bool SettingsStore::writeAttempt(const std::string& key, const std::string& value) {
    try {
        if (!fileExists(file_)) {
            replaceFile(file_, rewriteWith({}, key, value));
            return true;
        }
        if (!waitUntilFree()) return false;
        // Held across read and rewrite, so the other programs see the file busy meanwhile.
        const ExclusiveFileLock lock(file_);
        if (!lock.locked()) return false;
        const auto bytes = readFileBytes(file_, kMaxFileBytes);
        if (!bytes) return false;
        replaceFile(file_, rewriteWith(*bytes, key, value));
        return true;
    } catch (const IoError&) {
        return false;  // the old file is still whole
    }
}

bool SettingsStore::setString(std::string_view key, std::string_view value) {
    const std::string cleanKey = trimBlanks(key);
    const std::string cleanValue = trimBlanks(value);
    // Such a line could never be read back as written; a line break would even smuggle
    // in further entries.
    if (cleanKey.empty() || refusedText(cleanKey) || refusedText(cleanValue)) return false;
    return retry([&] { return writeAttempt(cleanKey, cleanValue); },
                 "Klarte ikke SetString, selv på 300 forsøk");
}

SettingValue SettingsStore::quickGet(std::string_view key) const {
    const auto bytes = readFileBytes(file_, kMaxFileBytes);
    if (!bytes) return {};
    std::string value = findValueByPrefix(*bytes, upperCase(key)).value_or(std::string());
    const bool found = !value.empty();
    return {std::move(value), found};
}

int SettingsStore::getInt(std::string_view key, int fallback) const {
    const SettingValue setting = getString(key);
    if (!setting.found) return fallback;
    const std::string digits = removeBlanks(setting.value);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) return fallback;
    return number;
}

std::string SettingsStore::getText(std::string_view key, std::string_view fallback) const {
    SettingValue setting = getString(key);
    return setting.found ? std::move(setting.value) : std::string(fallback);
}

bool SettingsStore::setInt(std::string_view key, int value) {
    return setString(key, std::to_string(value));
}

SettingsStore mainStore(const Workspace& workspace, Messages& messages, WaitFunction wait) {
    return SettingsStore(workspace.file("config.kvs"), messages, std::move(wait));
}

}  // namespace andel
