#pragma once
// The local socket on which the running main window takes the numbered window messages
// of the other programs. Its name comes from the handle in Apulje1.tmp, so a sender
// that knows the working directory finds the window.
#include <cstdint>
#include <string>

namespace andel {

// "andelstipp-" + handle: on Linux a socket file of that name in the temporary
// directory, on Windows a named pipe.
std::string messageSocketName(std::uint32_t handle);
std::string messageSocketPath(std::uint32_t handle);

// Sends one line to the socket and waits until the window has taken it. False, with the
// reason in `error`, when no program answers.
bool sendToMessageSocket(const std::string& path, const std::string& line, std::string& error);

}  // namespace andel
