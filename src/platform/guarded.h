#pragma once
// The one way every event handler of every window runs: a checked input/output failure,
// or a failure raised by the standard library (a file system error, memory), is shown
// as a message, the step is abandoned and the program keeps running. No exception ever
// leaves a handler into the window system.
#include "platform/io_error.h"
#include "platform/messages.h"

#include <exception>
#include <string>

namespace andel {

inline constexpr const char* kUnexpectedFailureText = "Det oppstod en uventet feil.";

// Runs the handler; false after a failure was shown.
template <typename Handler>
bool runGuarded(Messages& messages, Handler&& handler) noexcept {
    try {
        try {
            handler();
            return true;
        } catch (const IoError& error) {
            messages.inform(error.what());
        } catch (const std::exception& error) {
            messages.inform(std::string("Feil ved lesing eller skriving:\r") + error.what());
        } catch (...) {
            messages.inform(kUnexpectedFailureText);
        }
    } catch (...) {
        // Showing the message failed as well: the step is abandoned all the same.
    }
    return false;
}

}  // namespace andel
