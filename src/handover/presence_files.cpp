#include "handover/presence_files.h"

#include "model/codepage.h"
#include "platform/file_io.h"

#include <cstring>
#include <string>

namespace andel {

void writeHandleFile(const Workspace& workspace, std::uint32_t handle) {
    std::string bytes(sizeof handle, '\0');
    std::memcpy(bytes.data(), &handle, sizeof handle);
    replaceFile(workspace.file(std::string(kHandleFileName)), bytes);
}

void writeCaptionFile(const Workspace& workspace, std::string_view caption) {
    replaceFile(workspace.file(std::string(kCaptionFileName)), toCp1252(caption) + "\r\n");
}

void removePresenceFiles(const Workspace& workspace) {
    removeFileIfExists(workspace.file(std::string(kHandleFileName)));
    removeFileIfExists(workspace.file(std::string(kCaptionFileName)));
}

void removeOwnPresenceFiles(const Workspace& workspace, std::uint32_t handle) {
    if (fileExists(workspace.file(std::string(kHandleFileName))) && readHandleFile(workspace) != handle) return;
    removePresenceFiles(workspace);
}

std::optional<std::uint32_t> readHandleFile(const Workspace& workspace) {
    const auto bytes = readFileBytes(workspace.file(std::string(kHandleFileName)), 64);
    if (!bytes || bytes->size() != sizeof(std::uint32_t)) return std::nullopt;
    std::uint32_t handle = 0;
    std::memcpy(&handle, bytes->data(), sizeof handle);
    return handle;
}

}  // namespace andel
