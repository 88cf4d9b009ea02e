#include "online/online_file_wait.h"

#include "platform/file_io.h"
#include "platform/file_lock.h"

#include <chrono>

namespace andel {

std::int64_t FileWait::steadyTicks() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void FileWait::pauseBriefly() { sleepMilliseconds(10); }

bool waitForFile(const std::filesystem::path& file, const FileWait& wait, std::int64_t limit) {
    const std::int64_t start = wait.ticks();
    while (!fileExists(file)) {
        if (wait.ticks() - start >= limit) return false;
        wait.handleEvents();
    }
    return true;
}

}  // namespace andel
