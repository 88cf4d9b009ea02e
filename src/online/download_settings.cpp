#include "online/download_settings.h"

#include "model/codepage.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "settings/kvs_lines.h"

namespace andel {
namespace {

constexpr int kBusyPauseMs = 500;
constexpr int kBusyTestsBeforeDeciding = 2;
constexpr std::size_t kMaxSettingsBytes = 1024u * 1024u;
constexpr char kDefaultFill = '0';

}  // namespace

std::string downloadSetting(const Workspace& workspace, std::string_view key, const WaitFunction& wait) {
    const auto file = workspace.file(std::string(kDownloadSettingsFileName));
    for (int test = 0; test < kBusyTestsBeforeDeciding; ++test) {
        if (isFileBusy(file)) wait(kBusyPauseMs);
    }
    if (isFileBusy(file)) return {};
    const auto bytes = readFileBytes(file, kMaxSettingsBytes);
    if (!bytes) return {};
    const std::string wanted = toCp1252(key);
    const auto lines = splitLines(*bytes);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (trimBlanks(lines[i]) == wanted) return fromCp1252(trimBlanks(lines[i + 1]));
    }
    return {};
}

char onlineFillCharacter(const Workspace& workspace, const WaitFunction& wait) {
    return downloadSetting(workspace, "ONLINEUBLANK", wait) == "0" ? '0' : kDefaultFill;
}

bool skipCharacterCheck(const Workspace& workspace, const WaitFunction& wait) {
    return downloadSetting(workspace, "SKIPCHARERROR", wait) == "JA";
}

}  // namespace andel
