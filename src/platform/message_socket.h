#pragma once
// The local socket on which the running main window takes the numbered window messages
// of the other programs. Its name comes from the handle in Apulje1.tmp, so a sender
// that knows the working directory finds the window.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace andel {

// The directory of the socket files, private to the user so that no other user can take
// a socket's name or answer in the program's place: XDG_RUNTIME_DIR when it is the
// user's own with no access for others; else "andelstipp-" + user id in the temporary
// directory, or ".andelstipp" in the home directory, made with mode 0700 and used only
// while they are the user's own with no access for others. Nothing when none is; on
// Windows (named pipes) the empty path.
std::optional<std::filesystem::path> messageSocketDirectory();

// "andelstipp-" + handle: on Linux a socket file of that name in messageSocketDirectory(),
// on Windows a named pipe. The path is empty when there is no private directory.
std::string messageSocketName(std::uint32_t handle);
std::string messageSocketPath(std::uint32_t handle);

// How long the sender waits at each step (connecting, writing, the window's answer).
inline constexpr std::chrono::milliseconds kMessageStepLimit{5000};

// The first words of the reason when a program holds the socket but does not take the line
// within the step limit (frozen, or not reading).
inline constexpr const char* kNoAnswerReason = "Programmet svarer ikke";

// Sends one line to the socket and waits until the window has taken it. False, with the
// reason in `error`, when no program answers or one does not take the line within
// `stepLimit` at any step: a frozen window never holds the sender.
bool sendToMessageSocket(const std::string& path, const std::string& line, std::string& error,
                         std::chrono::milliseconds stepLimit = kMessageStepLimit);

}  // namespace andel
