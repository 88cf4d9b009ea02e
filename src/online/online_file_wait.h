#pragma once
// Waiting on the window thread for a file to appear: the tick counter decides when to
// give up, and the window handles its events between the tests.
#include <cstdint>
#include <filesystem>
#include <functional>

namespace andel {

inline constexpr std::int64_t kOnlineFileWaitMilliseconds = 6000;

struct FileWait {
    // Milliseconds of a steady tick counter.
    std::function<std::int64_t()> ticks = steadyTicks;
    // Between two tests: the window handles pending events; elsewhere a short sleep.
    std::function<void()> handleEvents = pauseBriefly;

    static std::int64_t steadyTicks();
    static void pauseBriefly();
};

// True as soon as the file exists; false when it still does not after `limit` ticks.
bool waitForFile(const std::filesystem::path& file, const FileWait& wait,
                 std::int64_t limit = kOnlineFileWaitMilliseconds);

}  // namespace andel
