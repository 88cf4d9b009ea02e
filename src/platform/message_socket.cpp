#include "platform/message_socket.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace andel {

std::string messageSocketName(std::uint32_t handle) { return "andelstipp-" + std::to_string(handle); }

std::string messageSocketPath(std::uint32_t handle) {
#ifdef _WIN32
    return "\\\\.\\pipe\\" + messageSocketName(handle);
#else
    return (std::filesystem::temp_directory_path() / messageSocketName(handle)).string();
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
