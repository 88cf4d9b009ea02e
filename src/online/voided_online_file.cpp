#include "online/voided_online_file.h"

#include "platform/file_io.h"
#include "platform/io_error.h"

#include <system_error>

namespace andel {
namespace fs = std::filesystem;

std::optional<std::string> moveOnlineFileToVoided(const DriveMap& drives, std::string_view onlineFile) {
    const auto separator = onlineFile.find_last_of('\\');
    if (separator == std::string_view::npos) return std::nullopt;
    const std::string_view directory = onlineFile.substr(0, separator);
    const std::string_view name = onlineFile.substr(separator + 1);
    const auto source = drives.resolve(onlineFile);
    if (!source || !fileExists(*source)) return std::nullopt;
    const fs::path folder = source->parent_path() / std::string(kVoidedFolderName);
    const std::string target = joinWindowsPath(joinWindowsPath(directory, kVoidedFolderName), name);
    std::error_code error;
    ensureDirectory(folder);
    // A rename within one folder tree: the file is either here or there, never half.
    fs::rename(*source, folder / source->filename(), error);
    if (error) throw IoError("Klarte ikke å flytte onlinefilen " + std::string(onlineFile) + " til " + target + ":\r" + error.message());
    return target;
}

}  // namespace andel
