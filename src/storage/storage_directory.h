#pragma once
// The storage directory "pul1lgr": below the working directory on the hard disk, or in
// the root of the diskette (drive A of the drive map). An existing directory is found
// without regard to case ("PUL1LGR" is the same one); a missing one is created.
#include "platform/workspace.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace andel {

inline constexpr std::string_view kStorageDirectoryName = "pul1lgr";

// The storage directory under `base`, created when missing; nothing when `base` is not a
// directory or the storage directory cannot be made.
std::optional<std::filesystem::path> enterStorageDirectory(const std::filesystem::path& base);

enum class StorageSource { HardDisk, Diskette };

// The directory of a source: the working directory's for the hard disk, the diskette
// root's for the diskette (nothing when no diskette root is known).
std::optional<std::filesystem::path> storageDirectoryOf(StorageSource source, const Workspace& workspace,
                                                        const std::optional<std::filesystem::path>& disketteRoot);

}  // namespace andel
