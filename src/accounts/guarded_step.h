#pragma once
// The one path every event handler of the accounts windows runs through: a file error
// becomes a message, never a crash, and the step is abandoned.
#include "platform/io_error.h"
#include "platform/messages.h"

namespace andel {

template <class Step>
void guardedStep(Messages& messages, Step&& step) {
    try {
        step();
    } catch (const IoError& error) {
        messages.inform(error.what());
    }
}

}  // namespace andel
