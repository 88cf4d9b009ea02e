// A line from the message socket. What is taken is written back the same way.
#include "fuzz_support.h"
#include "handover/window_message.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace andel;
    const auto message = parseWindowMessage(fuzz::bytesOf(data, size));
    if (!message) return 0;
    (void)bringsToFront(*message);
    if (parseWindowMessage(formatWindowMessage(*message)) != message) std::abort();
    return 0;
}
