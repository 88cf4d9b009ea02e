#pragma once
// One copy of the program per working directory: the copy that runs holds a lock file
// there for its whole life. A second start finds it held, brings the running copy's window
// to the front through its message socket and ends, so the presence files and the
// syndicate in hand always belong to one window.
#include "platform/file_lock.h"
#include "platform/workspace.h"

#include <functional>
#include <memory>
#include <string_view>

namespace andel {

inline constexpr std::string_view kProgramLockFileName = "ANDELSTIPP.LCK";

struct WorkingDirectoryClaim {
    std::unique_ptr<ExclusiveFileLock> lock;  // held while the program runs
    bool anotherCopyRuns = false;             // true: this start is to end
};

// Takes the working directory for this copy. A directory where the lock cannot be taken
// at all (read-only, a file system without locks) is not refused: the copy then runs
// unguarded, as it did before such a lock existed.
WorkingDirectoryClaim claimWorkingDirectory(const Workspace& workspace);

// Asks the copy named by Apulje1.tmp to come to the front (13319 0 0). A copy that is still
// starting may not listen yet: it is asked again every `pauseMs` for up to `attempts`
// times. False when no copy took the message.
bool bringRunningCopyToFront(const Workspace& workspace, const std::function<void(int ms)>& wait,
                             int attempts = 50, int pauseMs = 100);

}  // namespace andel
