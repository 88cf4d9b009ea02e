#include "storage/storage_directory.h"

#include "model/text.h"
#include "platform/file_io.h"

#include <system_error>

namespace andel {
namespace fs = std::filesystem;

std::optional<fs::path> enterStorageDirectory(const fs::path& base) {
    std::error_code error;
    if (!fs::is_directory(base, error)) return std::nullopt;
    for (const fs::directory_entry& entry : fs::directory_iterator(base, error)) {
        if (upperCase(pathText(entry.path().filename())) == upperCase(kStorageDirectoryName) &&
            entry.is_directory(error)) {
            return entry.path();
        }
    }
    const fs::path directory = base / std::string(kStorageDirectoryName);
    fs::create_directory(directory, error);
    if (!fs::is_directory(directory, error)) return std::nullopt;
    return directory;
}

std::optional<fs::path> storageDirectoryOf(StorageSource source, const Workspace& workspace,
                                           const std::optional<fs::path>& disketteRoot) {
    if (source == StorageSource::HardDisk) return enterStorageDirectory(workspace.root());
    if (!disketteRoot) return std::nullopt;
    return enterStorageDirectory(*disketteRoot);
}

}  // namespace andel
