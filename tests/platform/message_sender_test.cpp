// The sender of the window messages: one line to the running window, or a clear failure
// when none answers.
#include "platform/message_socket.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#ifdef _WIN32
#include <windows.h>

#include <thread>
#else
#include "support/temp_dir.h"

#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace andel::test {
namespace {

TEST(MessageSenderTest, NoProgramAnswers) {
    std::string error;
    EXPECT_FALSE(sendToMessageSocket(messageSocketPath(4000000001u), "13319 0 0\n", error));
    EXPECT_NE(error.find("no program answers"), std::string::npos) << error;
}

#ifdef _WIN32
// The window's end as the desktop program makes it on Windows: a named pipe of that name.
TEST(MessageSenderTest, WindowsNamedPipeTakesTheLine) {
    const std::string path = messageSocketPath(12345);
    EXPECT_EQ(path, "\\\\.\\pipe\\andelstipp-12345");
    const std::wstring name(path.begin(), path.end());
    HANDLE pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                   1, 4096, 4096, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    std::string received;
    std::thread window([&] {
        if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) return;
        char buffer[128];
        DWORD got = 0;
        while (received.find('\n') == std::string::npos && ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            received.append(buffer, got);
        }
        DisconnectNamedPipe(pipe);
    });
    std::string error;
    const bool sent = sendToMessageSocket(path, "12707 1 -1\n", error);
    window.join();
    CloseHandle(pipe);
    EXPECT_TRUE(sent) << error;
    EXPECT_EQ(received, "12707 1 -1\n");
}

// A window that takes the pipe and never reads: the sender gives up at the limit with
// "Programmet svarer ikke" instead of waiting for ever.
TEST(MessageSenderTest, AWindowThatNeverReadsIsGivenUpOn) {
    const std::string path = messageSocketPath(12346);
    const std::wstring name(path.begin(), path.end());
    HANDLE pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT,
                                   1, 4096, 4096, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread window([&] {
        if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) return;
        WaitForSingleObject(done, INFINITE);  // holds the pipe, reads nothing
        DisconnectNamedPipe(pipe);
    });
    std::string error;
    auto sent = std::async(std::launch::async, [&] {
        return sendToMessageSocket(path, "13319 0 0\n", error, std::chrono::milliseconds(200));
    });
    // Far beyond the limit: only a sender that waits for ever gets here.
    const bool returned = sent.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    EXPECT_TRUE(returned) << "the sender still waits";
    SetEvent(done);
    window.join();
    CloseHandle(pipe);
    CloseHandle(done);
    EXPECT_FALSE(sent.get());
    EXPECT_EQ(error.rfind(kNoAnswerReason, 0), 0u) << error;
}
#else
// A window that holds its socket but does not take the line: it never accepts and its
// queue is full, it accepts and never reads, or it reads nothing of a long line. The sender
// gives up at that step with "Programmet svarer ikke" instead of waiting for ever.
TEST(MessageSenderTest, AWindowThatDoesNotTakeTheLineIsGivenUpOn) {
    enum class Window { NeverAccepts, AcceptsAndNeverReads };
    const struct {
        const char* what;
        Window window;
        std::size_t lineBytes;
        const char* step;
    } cases[] = {
        {"queue full", Window::NeverAccepts, 10, "tilkoblingen til"},
        {"no answer", Window::AcceptsAndNeverReads, 10, "svaret fra"},
        {"long line not read", Window::AcceptsAndNeverReads, 16u * 1024 * 1024, "sendingen til"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.file("andelstipp-1").string();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof address.sun_path);
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ASSERT_GE(listener, 0);
        ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(::listen(listener, 0), 0);
        std::vector<int> held;  // connections the window holds: filling its queue, or accepted
        if (c.window == Window::NeverAccepts) {
            for (;;) {
                const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
                held.push_back(fd);
                if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) break;
                ASSERT_LT(held.size(), 64u);
            }
        }
        std::string error;
        auto sent = std::async(std::launch::async, [&] {
            return sendToMessageSocket(path, std::string(c.lineBytes - 1, '1') + "\n", error,
                                       std::chrono::milliseconds(200));
        });
        if (c.window == Window::AcceptsAndNeverReads) held.push_back(::accept(listener, nullptr, nullptr));
        // Far beyond the limit: only a sender that waits for ever gets here.
        const bool returned = sent.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
        EXPECT_TRUE(returned) << "the sender still waits";
        for (const int fd : held) ::close(fd);  // lets a sender that waits for ever go
        ::close(listener);
        EXPECT_FALSE(sent.get());
        EXPECT_EQ(error.rfind(std::string(kNoAnswerReason) + " (" + c.step, 0), 0u) << error;
    }
}
#endif

}  // namespace
}  // namespace andel::test
