#include "platform/message_socket.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace andel {
namespace fs = std::filesystem;

#ifndef _WIN32
namespace {

// A directory (not a link to one) of this user that nobody else may enter.
bool isPrivateDirectory(const fs::path& directory) {
    struct stat info {};
    return ::lstat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

// Makes the directory with mode 0700 when missing; answers whether it is private.
bool privateDirectory(const fs::path& directory) {
    ::mkdir(directory.c_str(), 0700);
    return isPrivateDirectory(directory);
}

}  // namespace
#endif

std::optional<fs::path> messageSocketDirectory() {
#ifdef _WIN32
    return fs::path();
#else
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime && isPrivateDirectory(runtime)) {
        return fs::path(runtime);
    }
    const std::string own = "andelstipp-" + std::to_string(::geteuid());
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (!error && privateDirectory(temporary / own)) return temporary / own;
    if (const char* home = std::getenv("HOME"); home && *home && privateDirectory(fs::path(home) / ".andelstipp")) {
        return fs::path(home) / ".andelstipp";
    }
    return std::nullopt;
#endif
}

std::string messageSocketName(std::uint32_t handle) { return "andelstipp-" + std::to_string(handle); }

std::string messageSocketPath(std::uint32_t handle) {
#ifdef _WIN32
    return "\\\\.\\pipe\\" + messageSocketName(handle);
#else
    const auto directory = messageSocketDirectory();
    return directory ? (*directory / messageSocketName(handle)).string() : std::string();
#endif
}

bool sendToMessageSocket(const std::string& path, const std::string& line, std::string& error) {
#ifdef _WIN32
    // The window's end is a named pipe with one waiting instance at a time: while it is
    // taking another sender, wait for the next instance.
    const std::wstring name(path.begin(), path.end());
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int tries = 0; tries < 5 && pipe == INVALID_HANDLE_VALUE; ++tries) {
        pipe = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE && (GetLastError() != ERROR_PIPE_BUSY || !WaitNamedPipeW(name.c_str(), 1000))) {
            break;
        }
    }
    if (pipe == INVALID_HANDLE_VALUE) {
        error = "no program answers on " + path;
        return false;
    }
    DWORD written = 0;
    const bool ok = WriteFile(pipe, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                    written == line.size();
    // A pipe has no half-close to wait on as the socket does: flushing returns once the
    // window has read everything written.
    if (ok) FlushFileBuffers(pipe);
    CloseHandle(pipe);
    if (!ok) error = "the message could not be sent on " + path;
    return ok;
#else
    if (path.empty()) {
        error = "no private directory for the message socket (XDG_RUNTIME_DIR, the temporary directory, HOME)";
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        error = "the socket path is too long: " + path;
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!ok) error = "no program answers on " + path + " (" + std::strerror(errno) + ")";
    std::size_t done = 0;
    while (ok && done < line.size()) {
        const ssize_t n = ::send(fd, line.data() + done, line.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            ok = false;
            error = "the message could not be sent on " + path;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (ok) {
        // The window closes the connection once it has read the line.
        ::shutdown(fd, SHUT_WR);
        char ignored;
        while (::recv(fd, &ignored, 1, 0) > 0) {
        }
    }
    ::close(fd);
    return ok;
#endif
}

}  // namespace andel
