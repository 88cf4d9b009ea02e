#pragma once
// A settings store: a config.kvs file of "key=value" lines shared with the other programs
// of the product family. Its only coordination is the exclusive-open test, so every read
// and write waits while another program holds the file and retries before giving up. A
// file we may not write is no reason to wait: it is read as it is, and a write to it is
// refused at once with its message.
#include "platform/file_lock.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "settings/settings_keys.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace andel {

struct SettingValue {
    std::string value;
    bool found = false;  // false when the file or the key is missing or the value is empty
};

// The reasons of a read or write given up at once, after "Klarte ikke GetString: " or
// "Klarte ikke SetString: ", followed by "\r" and the file.
inline constexpr std::string_view kNotReadableFailure = "har ikke lov å lese filen";
inline constexpr std::string_view kNotWritableFailure = "filen eller katalogen er skrivebeskyttet";
// Followed by the system's reason in brackets.
inline constexpr std::string_view kNotLockableFailure = "filen kan ikke låses på dette filsystemet";

// Waits on the calling thread; tests pass a recorder instead of sleeping.
using WaitFunction = std::function<void(int milliseconds)>;

class SettingsStore {
public:
    // A larger file is not a settings store; reading it counts as a failed attempt.
    static constexpr std::size_t kMaxFileBytes = 1024u * 1024u;

    SettingsStore(std::filesystem::path file, Messages& messages,
                  WaitFunction wait = sleepMilliseconds);

    // The first line whose key matches without regard to case. A missing file answers
    // "not found" at once; a busy or unreadable one is retried, then reported; one we may
    // not read at all is reported at once.
    SettingValue getString(std::string_view key) const;
    // Replaces every line of the key, or appends one; creates a missing file. Key and
    // value are trimmed and a line break in the value becomes a blank; a key or value
    // holding "=", a key holding a line break, or an empty key is refused at once and
    // nothing is written. A file, directory or file system that refuses writing is
    // reported at once (kNotWritableFailure), and so is a file system that cannot lock
    // the file (kNotLockableFailure): waiting would change neither.
    bool setString(std::string_view key, std::string_view value);
    // Reads the key and writes what `next` makes of its value in one hold of the lock, so
    // no other writer comes between (the value is cleaned as setString cleans it). `next`
    // may run once per attempt; it answers nothing to leave the file as it is.
    using Update = std::function<std::optional<std::string>(const SettingValue& current)>;
    bool update(std::string_view key, const Update& next);
    // One read with no busy test and no retries; a line matches when its start begins
    // with the key.
    SettingValue quickGet(std::string_view key) const;

    // Every blank removed from the value, then read as a decimal number.
    int getInt(std::string_view key, int fallback) const;
    std::string getText(std::string_view key, std::string_view fallback) const;
    bool setInt(std::string_view key, int value);

    int getInt(const IntKey& key) const { return getInt(key.name, key.fallback); }
    std::string getText(const TextKey& key) const { return getText(key.name, key.fallback); }

    const std::filesystem::path& file() const { return file_; }

    enum class Attempt { Done, Retry, NotPermitted, NotLockable };

private:
    bool retry(const std::function<Attempt()>& attempt, std::string_view operation) const;
    FileAccess waitUntilFree() const;
    Attempt readAttempt(const std::string& foldedKey, std::string& value) const;
    Attempt writeAttempt(const std::string& key, const Update& next);

    std::filesystem::path file_;
    Messages* messages_;
    WaitFunction wait_;
    std::string lockError_;  // the reason of the last NotLockable attempt
};

// The main store: config.kvs in the working directory.
SettingsStore mainStore(const Workspace& workspace, Messages& messages,
                        WaitFunction wait = sleepMilliseconds);

}  // namespace andel
