#pragma once
// The "in use" test of files shared with the other programs of the product family:
// an advisory exclusive lock (flock on Linux, a share-mode-0 open on Windows). A file we
// may not write (read-only file, directory or file system) is not "in use": waiting for
// it never helps, so it is told apart and reported at once.
#include <filesystem>
#include <optional>
#include <string>

namespace andel {

enum class FileAccess {
    Free,          // we may take the exclusive lock and replace the file (or create it)
    Busy,          // another holder has the file locked: worth waiting for
    NotPermitted,  // the file, its directory or the file system refuses writing
    LockFailed,    // the lock itself failed (a file system without locks): waiting never helps
};

// How a rewrite of the file would fare now. A missing file is Free when its directory
// takes new files. Busy wins over NotPermitted: a reader still waits for the holder.
FileAccess fileAccess(const std::filesystem::path& path);

// True when the file exists and another holder has it locked. A successful test open is
// closed at once.
bool isFileBusy(const std::filesystem::path& path);

enum class LockOpen { ExistingOnly, CreateIfMissing };

// Holds the exclusive lock on a file for its lifetime (our own writers hold it while
// they rewrite a shared file). `locked()` is false when the file is busy, missing (with
// ExistingOnly) or not permitted; `access()` tells which.
class ExclusiveFileLock {
public:
    explicit ExclusiveFileLock(const std::filesystem::path& path, LockOpen open = LockOpen::ExistingOnly);
    ~ExclusiveFileLock();
    ExclusiveFileLock(const ExclusiveFileLock&) = delete;
    ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;
    bool locked() const { return access_ == FileAccess::Free; }
    // Free while locked; Busy also for a file that is missing or was replaced meanwhile.
    FileAccess access() const { return access_; }
    // With LockFailed: the system's reason, as it gives it.
    const std::string& lockError() const { return lockError_; }

private:
    FileAccess access_ = FileAccess::Busy;
    std::string lockError_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// "Filen X kan ikke låses på dette filsystemet (reason)": for a LockFailed lock.
std::string notLockableText(const std::filesystem::path& path, const std::string& reason);

// For fault tests only: every lock taken in this process fails with the error number, as
// on a file system without locks (ENOLCK); nothing (the default) is a file system with
// them. The program never sets it.
void simulateLockError(std::optional<int> error);

// Sleeps the calling thread (the window thread waits this way, as the shared files require).
void sleepMilliseconds(int milliseconds);

}  // namespace andel
