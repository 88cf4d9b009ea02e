#pragma once
// The "in use" test of files shared with the other programs of the product family:
// an advisory exclusive lock (flock on Linux, a share-mode-0 open on Windows).
#include <filesystem>

namespace andel {

// True when the file exists and another holder has it open exclusively. A successful
// test open is closed at once.
bool isFileBusy(const std::filesystem::path& path);

// Holds the exclusive lock on a file for its lifetime (our own writers hold it while
// they rewrite a shared file). `locked()` is false when the file is busy or missing.
class ExclusiveFileLock {
public:
    explicit ExclusiveFileLock(const std::filesystem::path& path);
    ~ExclusiveFileLock();
    ExclusiveFileLock(const ExclusiveFileLock&) = delete;
    ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;
    bool locked() const;

private:
#ifdef _WIN32
    void* handle_;
#else
    int fd_;
#endif
};

// Sleeps the calling thread (the window thread waits this way, as the shared files require).
void sleepMilliseconds(int milliseconds);

}  // namespace andel
