#include "platform/file_io.h"

#include "platform/io_error.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <io.h>

#include <cstring>
#include <vector>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace andel {
namespace fs = std::filesystem;

std::string pathText(const fs::path& path) {
    // A path put together from Qt's forward slashes and the library's backslashes is shown
    // in the one form Windows Explorer uses.
    const std::u8string text = fs::path(path).make_preferred().u8string();
    return std::string(text.begin(), text.end());
}

std::optional<std::string> readFileBytes(const fs::path& path, std::size_t maxBytes) {
#ifdef _WIN32
    // Sharing everything, so reading never stands in the way of the other programs, and
    // works under our own lock (which holds the file open for deletion).
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) {
        if (bytes.size() + got > maxBytes) {
            ok = false;
            break;
        }
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
#else
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > maxBytes) return std::nullopt;
        bytes.append(buffer, got);
    }
    if (in.bad()) return std::nullopt;
    return bytes;
#endif
}

namespace {

constexpr long long kDiskWithoutEnd = -1;
std::atomic<long long> diskRoomLeft{kDiskWithoutEnd};
std::atomic<bool> directorySyncFails{false};

// How many of `wanted` bytes fit on the disk, taking them from the room that is left.
std::size_t takeDiskRoom(std::size_t wanted) {
    long long left = diskRoomLeft.load();
    for (;;) {
        if (left == kDiskWithoutEnd) return wanted;
        const long long taken = std::min(left, static_cast<long long>(wanted));
        if (diskRoomLeft.compare_exchange_weak(left, left - taken)) return static_cast<std::size_t>(taken);
    }
}

// Writes and flushes to the disk; false on any failure.
bool writeDurably(const fs::path& path, std::string_view bytes) {
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    const std::size_t room = takeDiskRoom(bytes.size());
    bool ok = std::fwrite(bytes.data(), 1, room, file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = _commit(_fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    return ok;
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const std::size_t room = takeDiskRoom(bytes.size() - done);
        const ssize_t n = room == 0 ? -1 : ::write(fd, bytes.data() + done, room);
        if (n <= 0) ok = false;
        else done += static_cast<std::size_t>(n);
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    return ok;
#endif
}

#ifdef _WIN32
// Renames `from` over `to` with POSIX semantics (Windows 10 and later on NTFS): the name
// changes in one step even while `to` is open elsewhere with delete sharing.
bool renameWithPosixSemantics(const fs::path& from, const fs::path& to) {
    constexpr int kFileRenameInfoEx = 22;
    constexpr DWORD kReplaceIfExists = 0x1, kPosixSemantics = 0x2;
    struct RenameInfoEx {
        DWORD flags;
        HANDLE rootDirectory;
        DWORD fileNameLength;
        WCHAR fileName[1];
    };
    const std::wstring target = fs::absolute(to).wstring();
    std::vector<unsigned char> buffer(sizeof(RenameInfoEx) + target.size() * sizeof(WCHAR));
    auto* info = reinterpret_cast<RenameInfoEx*>(buffer.data());
    info->flags = kReplaceIfExists | kPosixSemantics;
    info->rootDirectory = nullptr;
    info->fileNameLength = static_cast<DWORD>(target.size() * sizeof(WCHAR));
    std::memcpy(info->fileName, target.c_str(), target.size() * sizeof(WCHAR));

    HANDLE file = CreateFileW(from.c_str(), DELETE | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = SetFileInformationByHandle(file, static_cast<FILE_INFO_BY_HANDLE_CLASS>(kFileRenameInfoEx), info,
                                               static_cast<DWORD>(buffer.size())) != 0;
    CloseHandle(file);
    return ok;
}
#endif

// Renames the complete temporary file over the target in one step.
bool renameOver(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    // MoveFileEx refuses a target that is open anywhere, even by a holder that shares
    // deletion (our own lock while we rewrite, or another program reading that way).
    // POSIX semantics allow it; ReplaceFile does it on systems without them.
    // A directory in the target's place stays; the fallbacks below would not all refuse it.
    const DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (renameWithPosixSemantics(from, to)) return true;
    return ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
#else
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
#endif
}

// The rename is a change of the directory: until the directory itself is on the disk, a
// power cut can bring back the old file after the save was reported done. Windows writes
// the rename through (MOVEFILE_WRITE_THROUGH) and has no directory to sync.
bool syncDirectoryOf(const fs::path& file) {
#ifdef _WIN32
    (void)file;
    return !directorySyncFails.load();
#else
    if (directorySyncFails.load()) return false;
    const fs::path directory = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;  // a directory we may not open for reading: the rename stands unsynced
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;  // EINVAL: a file system without directory syncs
    ::close(fd);
    return ok;
#endif
}

}  // namespace

void simulateDirectorySyncFailure(bool fails) { directorySyncFails = fails; }

void simulateDiskFullAfter(std::optional<std::size_t> bytes) {
    diskRoomLeft = bytes ? static_cast<long long>(*bytes) : kDiskWithoutEnd;
}

void replaceFile(const fs::path& target, std::string_view bytes, const fs::path& temporary) {
    if (!writeDurably(temporary, bytes)) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw IoError("Kan ikke skrive filen " + pathText(temporary));
    }
    if (!renameOver(temporary, target)) {
        std::error_code error;
        fs::remove(temporary, error);
        throw IoError("Kan ikke erstatte filen " + pathText(target));
    }
    if (!syncDirectoryOf(target)) {
        throw IoError("Kan ikke sikre at filen " + pathText(target) + " er lagret på disken");
    }
}

void replaceFile(const fs::path& target, std::string_view bytes) {
    fs::path temporary = target;
    temporary += ".tmp";
    replaceFile(target, bytes, temporary);
}

void ensureDirectory(const fs::path& directory) {
    std::error_code error;
    if (fs::is_directory(directory, error)) return;
    fs::create_directories(directory, error);
    if (error || !fs::is_directory(directory)) {
        throw IoError("Kan ikke opprette katalogen " + pathText(directory));
    }
}

bool fileExists(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void removeFileIfExists(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error)) return;
    if (!fs::remove(path, error) || error) {
        throw IoError("Kan ikke slette filen " + pathText(path));
    }
}

}  // namespace andel
