#include "platform/file_lock.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace andel {
namespace fs = std::filesystem;

namespace {
constexpr int kNoSimulatedError = 0;
std::atomic<int> simulatedLockError{kNoSimulatedError};
}  // namespace

std::string notLockableText(const fs::path& path, const std::string& reason) {
    const std::u8string text = path.u8string();
    return "Filen " + std::string(text.begin(), text.end()) + " kan ikke låses på dette filsystemet (" + reason + ")";
}

void simulateLockError(std::optional<int> error) { simulatedLockError = error.value_or(kNoSimulatedError); }

#ifdef _WIN32
namespace {
bool directoryTakesFiles(const fs::path&) { return true; }  // a refused create is reported by the writer
}  // namespace

ExclusiveFileLock::ExclusiveFileLock(const fs::path& path, LockOpen open) {
    // Opened for reading, writing and deletion, sharing only reading and deletion: every
    // other program's exclusive, deny-read or deny-write open fails while we hold it (the
    // file is busy to them), and so does a second lock of ours. Our own reader shares
    // everything, so it still reads under the lock, and our writer renames the new file
    // over it. Asking for deletion also fails while another program holds the file open
    // without delete sharing, the one holder a rename cannot pass: such a file is busy.
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                           nullptr, open == LockOpen::CreateIfMissing ? OPEN_ALWAYS : OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        handle_ = h;
        access_ = FileAccess::Free;
        return;
    }
    // A read-only file or disk refuses us outright; another program's open is a sharing
    // violation, which is busy.
    const DWORD error = GetLastError();
    access_ = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT ? FileAccess::NotPermitted
                                                                           : FileAccess::Busy;
}
ExclusiveFileLock::~ExclusiveFileLock() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}
#else
namespace {

bool refusesWriting(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// New files can be made (and renamed) in the file's directory, judged with the
// effective user, as the writer would be.
bool directoryTakesFiles(const fs::path& path) {
    const fs::path directory = path.has_parent_path() ? path.parent_path() : fs::path(".");
    return ::faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// The open file is still the one the path names: a writer that renamed a new file over
// it meanwhile leaves us holding a lock on a file nobody reads any more.
bool stillNamedBy(int fd, const fs::path& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

// flock, or the simulated failure of a file system without locks.
int lockExclusive(int fd) {
    if (const int simulated = simulatedLockError.load(); simulated != kNoSimulatedError) {
        errno = simulated;
        return -1;
    }
    return ::flock(fd, LOCK_EX | LOCK_NB);
}

bool lockedByAnother(int fd) { return lockExclusive(fd) != 0 && errno == EWOULDBLOCK; }

// A file we may only read: is another holder's lock on it all the same?
FileAccess readOnlyAccess(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool busy = fd >= 0 && lockedByAnother(fd);
    if (fd >= 0) ::close(fd);
    return busy ? FileAccess::Busy : FileAccess::NotPermitted;
}

}  // namespace

ExclusiveFileLock::ExclusiveFileLock(const fs::path& path, LockOpen open) {
    const int flags = O_RDWR | O_CLOEXEC | (open == LockOpen::CreateIfMissing ? O_CREAT : 0);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) {
        access_ = refusesWriting(errno) ? readOnlyAccess(path) : FileAccess::Busy;
        return;
    }
    if (lockExclusive(fd) != 0) {
        // Only another holder's lock is "busy"; any other failure is the file system's
        // (no locks over this mount, out of lock records) and is told as it is.
        const int error = errno;
        if (error == EWOULDBLOCK || error == EINTR) {
            access_ = FileAccess::Busy;
        } else {
            access_ = FileAccess::LockFailed;
            lockError_ = std::strerror(error);
        }
    } else if (!stillNamedBy(fd, path)) access_ = FileAccess::Busy;
    else if (!directoryTakesFiles(path)) access_ = FileAccess::NotPermitted;
    else access_ = FileAccess::Free;
    if (access_ == FileAccess::Free) fd_ = fd;
    else ::close(fd);
}
ExclusiveFileLock::~ExclusiveFileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}
#endif

FileAccess fileAccess(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error)) return directoryTakesFiles(path) ? FileAccess::Free : FileAccess::NotPermitted;
    return ExclusiveFileLock(path).access();
}

bool isFileBusy(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error) && fileAccess(path) == FileAccess::Busy;
}

void sleepMilliseconds(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace andel
