#include "handover/program_copy.h"

#include "handover/presence_files.h"
#include "handover/window_message.h"
#include "platform/message_socket.h"

#include <string>

namespace andel {

WorkingDirectoryClaim claimWorkingDirectory(const Workspace& workspace) {
    WorkingDirectoryClaim claim;
    claim.lock = std::make_unique<ExclusiveFileLock>(workspace.file(std::string(kProgramLockFileName)),
                                                     LockOpen::CreateIfMissing);
    claim.anotherCopyRuns = claim.lock->access() == FileAccess::Busy;
    return claim;
}

bool bringRunningCopyToFront(const Workspace& workspace, const std::function<void(int ms)>& wait, int attempts,
                             int pauseMs) {
    const WindowMessage front{static_cast<std::uint32_t>(WindowMessageId::ShowOrClose), 0, 0};
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) wait(pauseMs);
        const auto handle = readHandleFile(workspace);
        if (!handle) continue;
        std::string error;
        if (sendToMessageSocket(messageSocketPath(*handle), formatWindowMessage(front) + "\n", error)) return true;
    }
    return false;
}

}  // namespace andel
