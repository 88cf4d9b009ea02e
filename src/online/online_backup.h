#pragma once
// Backup copies of the online files in "onlcopi", one per serial number; the copies of
// the last 200 serial numbers are kept.
#include "platform/messages.h"
#include "platform/workspace.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace andel {

inline constexpr std::string_view kBackupDirectoryName = "onlcopi";

// "SE_" + serial + ".ntf".
std::string backupFileName(std::string_view serial);

// The serial number whose copy goes when `serial` is taken: 200 earlier, across the
// wrap from 9999 to 1000 (1000 gives 9800, 1100 gives 9900).
long expiredSerial(long serial);

inline constexpr std::string_view kBackupFailedMessage = "Klarte ikke å ta sikkerhetskopi av onlinefilen";

// Copies the online file to onlcopi/SE_<digits of serial>.ntf, replacing a copy of that
// name, after removing the copy 200 serial numbers back; creates onlcopi when missing.
// Answers whether the copy was made. Every failure shows kBackupFailedMessage (with the
// reason on a further line when a file could not be read or written) and leaves the
// other copies.
bool takeBackupCopy(const Workspace& workspace, std::string_view serialText,
                    const std::filesystem::path& onlineFile, Messages& messages);

}  // namespace andel
