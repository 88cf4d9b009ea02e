#include "storage/storage_save.h"

#include "model/player.h"
#include "platform/file_io.h"
#include "platform/file_lock.h"
#include "platform/io_error.h"
#include "storage/storage_directory.h"

#include <memory>

namespace andel {
namespace {

constexpr int kLockPauseMs = 50;
constexpr int kLockWaits = 200;  // 10 s: far longer than any save
// A name is looked for this many seconds ahead; a directory that full is not usable.
constexpr int kSecondsAhead = 24 * 60 * 60;

LocalDateTime oneSecondLater(LocalDateTime t) {
    if (++t.second < 60) return t;
    t.second = 0;
    if (++t.minute < 60) return t;
    t.minute = 0;
    if (++t.hour < 24) return t;
    t.hour = 0;
    t.date = std::chrono::year_month_day(std::chrono::sys_days(t.date) + std::chrono::days(1));
    return t;
}

// Every program that saves into the directory takes this lock before it chooses a name, so
// two of them never choose the same one. False when another holds it for longer than any
// save takes. A file system that cannot lock, or a directory we may not write (the save
// itself then reports it), goes on without the lock: a save is not refused for want of it.
bool holdNamingLock(const std::filesystem::path& directory, std::unique_ptr<ExclusiveFileLock>& lock) {
    const std::filesystem::path file = directory / std::string(kStorageLockFileName);
    for (int waited = 0;; ++waited) {
        lock = std::make_unique<ExclusiveFileLock>(file, LockOpen::CreateIfMissing);
        if (lock->access() != FileAccess::Busy) return true;
        if (waited == kLockWaits) return false;
        sleepMilliseconds(kLockPauseMs);
    }
}

// The moment whose name is free: `now`, or the next second that no stored syndicate has
// taken. The name keeps its form, so every reader of the directory reads it as before.
std::optional<LocalDateTime> freeMoment(const std::filesystem::path& directory, LocalDateTime now) {
    for (int ahead = 0; ahead < kSecondsAhead; ++ahead, now = oneSecondLater(now)) {
        std::error_code error;
        if (!std::filesystem::exists(directory / storageFileName(now), error) && !error) return now;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> saveStoredRows(const WorkbenchState& state, StorageMode mode,
                                                    const Workspace& workspace, Messages& messages,
                                                    const LocalDateTime& now) {
    const std::optional<std::filesystem::path> directory = enterStorageDirectory(workspace.root());
    if (!directory) {
        messages.inform(std::string(kSaveFailedMessage), MessagePlacement::OverMainWindow);
        return std::nullopt;
    }
    std::unique_ptr<ExclusiveFileLock> lock;
    const std::optional<LocalDateTime> moment =
        holdNamingLock(*directory, lock) ? freeMoment(*directory, now) : std::nullopt;
    if (!moment) {
        messages.inform(std::string(kSaveFailedMessage), MessagePlacement::OverMainWindow);
        return std::nullopt;
    }
    const std::filesystem::path file = *directory / storageFileName(*moment);
    const std::string serial = mode == StorageMode::Online ? state.online.serialNumber : std::string();
    try {
        replaceFile(file, encodeTextLines(storageFileLines(state, mode, serial, *moment)));
    } catch (const IoError&) {
        messages.inform(std::string(kSaveFailedMessage), MessagePlacement::OverMainWindow);
        return std::nullopt;
    }
    messages.inform(std::string(mode == StorageMode::Lager ? kSavedLagerMessage : kSavedOnlineMessage),
                    MessagePlacement::FromMainWindowTopMiddle, -50, 200);
    return file;
}

std::optional<std::filesystem::path> saveRowsCommand(const WorkbenchState& state, const Workspace& workspace,
                                                     Messages& messages, const LocalDateTime& now) {
    if (isUnregistered(state.spillenummer)) {
        messages.inform(std::string(kUnregisteredSaveMessage), MessagePlacement::NearMousePointer, -200, -50);
        return std::nullopt;
    }
    return saveStoredRows(state, StorageMode::Lager, workspace, messages, now);
}

}  // namespace andel
