#include "online/online_backup.h"

#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

namespace andel {
namespace {

constexpr long kFirstSerial = 1000;
constexpr long kSerialsKept = 200;
constexpr long kSerialRange = 9000;  // 1000 to 9999

}  // namespace

std::string backupFileName(std::string_view serial) { return "SE_" + std::string(serial) + ".ntf"; }

long expiredSerial(long serial) {
    const long old = serial - kSerialsKept;
    return old < kFirstSerial ? old + kSerialRange : old;
}

bool takeBackupCopy(const Workspace& workspace, std::string_view serialText, const std::filesystem::path& onlineFile,
                    Messages& messages) {
    const std::string failed(kBackupFailedMessage);
    const std::string serial = digitsOnly(serialText);
    if (!fileExists(onlineFile) || serial.empty() || serial.size() > 9) {
        messages.inform(failed);
        return false;
    }
    const auto directory = workspace.file(std::string(kBackupDirectoryName));
    try {
        ensureDirectory(directory);
        const auto bytes = readFileBytes(onlineFile);
        if (!bytes) throw IoError("Kan ikke lese " + pathText(onlineFile));
        removeFileIfExists(directory / backupFileName(std::to_string(expiredSerial(std::stol(serial)))));
        replaceFile(directory / backupFileName(serial), *bytes);
    } catch (const IoError& error) {
        messages.inform(failed + "\r" + error.what());
        return false;
    }
    return true;
}

}  // namespace andel
