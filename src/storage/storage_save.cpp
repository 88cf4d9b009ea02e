#include "storage/storage_save.h"

#include "model/player.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "storage/storage_directory.h"

namespace andel {

std::optional<std::filesystem::path> saveStoredRows(const WorkbenchState& state, StorageMode mode,
                                                    const Workspace& workspace, Messages& messages,
                                                    const LocalDateTime& now) {
    const std::optional<std::filesystem::path> directory = enterStorageDirectory(workspace.root());
    if (!directory) {
        messages.inform(std::string(kSaveFailedMessage), MessagePlacement::OverMainWindow);
        return std::nullopt;
    }
    const std::filesystem::path file = *directory / storageFileName(now);
    const std::string serial = mode == StorageMode::Online ? state.online.serialNumber : std::string();
    try {
        replaceFile(file, encodeTextLines(storageFileLines(state, mode, serial, now)));
    } catch (const IoError&) {
        messages.inform(std::string(kSaveFailedMessage), MessagePlacement::OverMainWindow);
        return std::nullopt;
    }
    messages.inform(std::string(mode == StorageMode::Lager ? kSavedLagerMessage : kSavedOnlineMessage),
                    MessagePlacement::FromMainWindowTopMiddle, -50, 200);
    return file;
}

std::optional<std::filesystem::path> saveRowsCommand(const WorkbenchState& state, const Workspace& workspace,
                                                     Messages& messages, const LocalDateTime& now) {
    if (isUnregistered(state.spillenummer)) {
        messages.inform(std::string(kUnregisteredSaveMessage), MessagePlacement::NearMousePointer, -200, -50);
        return std::nullopt;
    }
    return saveStoredRows(state, StorageMode::Lager, workspace, messages, now);
}

}  // namespace andel
