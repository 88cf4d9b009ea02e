// The sender of the window messages: one line to the running window, or a clear failure
// when none answers.
#include "platform/message_socket.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <thread>
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
#endif

}  // namespace
}  // namespace andel::test
