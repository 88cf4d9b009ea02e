#include "platform/file_lock.h"

#include <chrono>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace andel {

#ifdef _WIN32
ExclusiveFileLock::ExclusiveFileLock(const std::filesystem::path& path) {
    // Opened for reading, writing and deletion, sharing only reading and deletion: every
    // other program's exclusive, deny-read or deny-write open fails while we hold it (the
    // file is busy to them), and so does a second lock of ours. Our own reader shares
    // everything, so it still reads under the lock, and our writer renames the new file
    // over it. Asking for deletion also fails while another program holds the file open
    // without delete sharing, the one holder a rename cannot pass: such a file is busy.
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle_ = h == INVALID_HANDLE_VALUE ? nullptr : h;
}
ExclusiveFileLock::~ExclusiveFileLock() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}
bool ExclusiveFileLock::locked() const { return handle_ != nullptr; }
#else
ExclusiveFileLock::ExclusiveFileLock(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDWR | O_CLOEXEC)) {
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}
ExclusiveFileLock::~ExclusiveFileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}
bool ExclusiveFileLock::locked() const { return fd_ >= 0; }
#endif

bool isFileBusy(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return false;
    return !ExclusiveFileLock(path).locked();
}

void sleepMilliseconds(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace andel
