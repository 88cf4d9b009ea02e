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

bool holdsEquals(std::string_view text) { return text.find('=') != std::string_view::npos; }
bool holdsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Such a value could never be read back as written; a line break would even smuggle in
// further entries, so it becomes a blank.
std::optional<std::string> cleanValue(std::string_view value) {
    std::string clean = trimBlanks(blankLineBreaks(value));
    if (holdsEquals(clean)) return std::nullopt;
    return clean;
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path file, Messages& messages, WaitFunction wait)
    : file_(std::move(file)), messages_(&messages), wait_(std::move(wait)) {}

FileAccess SettingsStore::waitUntilFree() const {
    for (int waits = 0;; ++waits) {
        const FileAccess access = fileAccess(file_);
        if (access != FileAccess::Busy || waits == kBusyWaits) return access;
        wait_(kBusyWaitMs);
    }
}

// Attempts numbered from 1 until one succeeds or the last is made. Only a store that
// stayed unusable through every attempt is reported: a late success is still a success.
// A store we may not use is reported at once: waiting would not change that.
bool SettingsStore::retry(const std::function<Attempt()>& attempt, std::string_view operation) const {
    int made = 0;
    Attempt outcome = Attempt::Retry;
    while (outcome == Attempt::Retry && made < kMaxAttempts) {
        ++made;
        outcome = attempt();
        if (outcome == Attempt::Retry) wait_(kPauseMs);
    }
    if (outcome == Attempt::Done) return true;
    const std::string head = "Klarte ikke " + std::string(operation);
    if (outcome == Attempt::NotLockable) {
        messages_->inform(head + ": " + std::string(kNotLockableFailure) + " (" + lockError_ + ")\r" +
                          pathText(file_));
    } else if (outcome == Attempt::NotPermitted) {
        const bool reading = operation == "GetString";
        messages_->inform(head + ": " + std::string(reading ? kNotReadableFailure : kNotWritableFailure) + "\r" +
                          pathText(file_));
    } else {
        const std::filesystem::path directory =
            file_.has_parent_path() ? file_.parent_path() : std::filesystem::path(".");
        messages_->inform(head + ", selv på 300 forsøk\r" + Workspace(directory).displayName());
    }
    return false;
}

SettingsStore::Attempt SettingsStore::readAttempt(const std::string& foldedKey, std::string& value) const {
    if (!fileExists(file_)) return Attempt::Retry;
    const FileAccess access = waitUntilFree();
    if (access == FileAccess::Busy) return Attempt::Retry;
    // A file we may not write, or not lock, is still read as it is.
    const auto bytes = readFileBytes(file_, kMaxFileBytes);
    if (!bytes) return access == FileAccess::NotPermitted ? Attempt::NotPermitted : Attempt::Retry;
    value = findValue(*bytes, foldedKey).value_or(std::string());
    return Attempt::Done;
}

SettingValue SettingsStore::getString(std::string_view key) const {
    if (!fileExists(file_)) return {};
    const std::string foldedKey = upperCase(key);
    std::string value;
    const bool ok = retry([&] { return readAttempt(foldedKey, value); }, "GetString");
    if (!ok) return {};
    const bool found = !value.empty();
    return {std::move(value), found};
}

SettingsStore::Attempt SettingsStore::writeAttempt(const std::string& key, const Update& next) {
    try {
        const FileAccess access = waitUntilFree();
        if (access == FileAccess::Busy) return Attempt::Retry;
        if (access == FileAccess::NotPermitted) return Attempt::NotPermitted;
        // Held across read and rewrite, so the other programs see the file busy meanwhile.
        // A missing file is made under the lock too: two first writers must not both
        // start from nothing.
        const ExclusiveFileLock lock(file_, LockOpen::CreateIfMissing);
        switch (lock.access()) {
        case FileAccess::Free: break;
        case FileAccess::Busy: return Attempt::Retry;
        case FileAccess::NotPermitted: return Attempt::NotPermitted;
        case FileAccess::LockFailed: lockError_ = lock.lockError(); return Attempt::NotLockable;
        }
        const auto bytes = readFileBytes(file_, kMaxFileBytes);
        if (!bytes) return Attempt::Retry;
        std::string current = findValue(*bytes, upperCase(key)).value_or(std::string());
        const bool found = !current.empty();
        const auto value = next({std::move(current), found});
        if (value) replaceFile(file_, rewriteWith(*bytes, key, *value));
        return Attempt::Done;
    } catch (const IoError&) {
        return Attempt::Retry;  // the old file is still whole
    }
}

bool SettingsStore::update(std::string_view key, const Update& next) {
    const std::string cleanKey = trimBlanks(key);
    if (cleanKey.empty() || holdsEquals(cleanKey) || holdsLineBreak(cleanKey)) return false;
    bool refused = false;
    const Update cleanNext = [&](const SettingValue& current) -> std::optional<std::string> {
        const auto value = next(current);
        if (!value) return std::nullopt;
        auto clean = cleanValue(*value);
        refused = !clean;
        return clean;
    };
    const bool ok = retry([&] { return writeAttempt(cleanKey, cleanNext); }, "SetString");
    return ok && !refused;
}

bool SettingsStore::setString(std::string_view key, std::string_view value) {
    const auto clean = cleanValue(value);
    if (!clean) return false;
    return update(key, [&](const SettingValue&) { return clean; });
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
