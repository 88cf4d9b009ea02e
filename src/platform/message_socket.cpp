#include "platform/message_socket.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
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

namespace {

std::string noAnswer(const std::string& path, const char* step, std::chrono::milliseconds limit) {
    return std::string(kNoAnswerReason) + " (" + step + " " + path + " tok mer enn " +
           std::to_string(limit.count()) + " ms)";
}

#ifdef _WIN32
// The blocking part of a send on Windows: the write, then the flush that returns once the
// window has read everything written (a pipe has no half-close to wait on as the socket
// has). It runs on a thread of its own so that the sender can stop waiting for it.
struct PipeDelivery {
    HANDLE pipe;
    std::string line;
    bool ok = false;
};

DWORD WINAPI deliver(void* parameter) {
    auto* delivery = static_cast<PipeDelivery*>(parameter);
    DWORD written = 0;
    if (!WriteFile(delivery->pipe, delivery->line.data(), static_cast<DWORD>(delivery->line.size()), &written,
                   nullptr) ||
        written != delivery->line.size()) {
        return 0;
    }
    // The window closes its end as soon as it has read the line, so the flush may find the
    // pipe already broken: that is the window's answer, as the closed socket is elsewhere.
    const bool flushed = FlushFileBuffers(delivery->pipe);
    const DWORD why = flushed ? ERROR_SUCCESS : GetLastError();
    delivery->ok = flushed || why == ERROR_BROKEN_PIPE || why == ERROR_PIPE_NOT_CONNECTED || why == ERROR_NO_DATA;
    return 0;
}
#endif

}  // namespace

bool sendToMessageSocket(const std::string& path, const std::string& line, std::string& error,
                         std::chrono::milliseconds stepLimit) {
#ifdef _WIN32
    // The window's end is a named pipe with one waiting instance at a time: while it is
    // taking another sender, wait (at most the step limit) for the next instance.
    const std::wstring name(path.begin(), path.end());
    HANDLE pipe = INVALID_HANDLE_VALUE;
    bool busy = false;
    for (int tries = 0; tries < 5 && pipe == INVALID_HANDLE_VALUE; ++tries) {
        pipe = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (pipe != INVALID_HANDLE_VALUE) break;
        busy = GetLastError() == ERROR_PIPE_BUSY;
        if (!busy || !WaitNamedPipeW(name.c_str(), static_cast<DWORD>(stepLimit.count() / 5 + 1))) break;
    }
    if (pipe == INVALID_HANDLE_VALUE) {
        error = busy ? noAnswer(path, "tilkoblingen til", stepLimit) : "no program answers on " + path;
        return false;
    }
    auto* delivery = new PipeDelivery{pipe, line};
    HANDLE thread = CreateThread(nullptr, 0, deliver, delivery, 0, nullptr);
    if (!thread) {
        deliver(delivery);
    } else if (WaitForSingleObject(thread, static_cast<DWORD>(2 * stepLimit.count())) != WAIT_OBJECT_0) {
        // Writing and the window's reading are both steps: together they get two limits.
        CancelSynchronousIo(thread);
        const bool ended = WaitForSingleObject(thread, 1000) == WAIT_OBJECT_0;
        CloseHandle(thread);
        error = noAnswer(path, "sendingen til", stepLimit);
        // A write that could not be cancelled still uses the pipe and the delivery: both are
        // left to the end of the process rather than freed under it.
        if (ended) {
            CloseHandle(pipe);
            delete delivery;
        }
        return false;
    }
    if (thread) CloseHandle(thread);
    const bool ok = delivery->ok;
    delete delivery;
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
    // Every blocking step gives up after the limit: connecting (a full queue of a window
    // that does not accept) and writing wait at most the send limit, the answer the
    // receive limit.
    timeval limit{};
    limit.tv_sec = static_cast<time_t>(stepLimit.count() / 1000);
    limit.tv_usec = static_cast<suseconds_t>(stepLimit.count() % 1000 * 1000);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    auto timedOut = [] { return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINPROGRESS; };

    bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!ok) {
        error = timedOut() ? noAnswer(path, "tilkoblingen til", stepLimit)
                           : "no program answers on " + path + " (" + std::strerror(errno) + ")";
    }
    std::size_t done = 0;
    while (ok && done < line.size()) {
        const ssize_t n = ::send(fd, line.data() + done, line.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            ok = false;
            error = n < 0 && timedOut() ? noAnswer(path, "sendingen til", stepLimit)
                                        : "the message could not be sent on " + path;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (ok) {
        // The window closes the connection once it has read the line.
        ::shutdown(fd, SHUT_WR);
        char ignored;
        ssize_t n = 0;
        while ((n = ::recv(fd, &ignored, 1, 0)) > 0) {
        }
        if (n < 0 && timedOut()) {
            ok = false;
            error = noAnswer(path, "svaret fra", stepLimit);
        }
    }
    ::close(fd);
    return ok;
#endif
}

}  // namespace andel
