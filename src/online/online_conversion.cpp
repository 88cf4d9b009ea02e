#include "online/online_conversion.h"

#include "online/download_settings.h"
#include "online/once_messages.h"
#include "online/rows_file_body.h"
#include "online/online_record.h"
#include "settings/drive_settings.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

namespace andel {
namespace fs = std::filesystem;

namespace {

// The name comes from a file: it must name a file in the chosen directory, not a path.
void requirePlainName(const std::string& name) {
    const bool plain = !name.empty() && name != "." && name != ".." &&
                       name.find_first_of("\\/:") == std::string::npos;
    if (!plain) throw IoError("Ugyldig navn på onlinefilen: \"" + name + "\"");
}

fs::path resolveDestination(const Workspace& workspace, const RowsFileInfo& rows, Messages& messages,
                            const WaitFunction& wait) {
    requirePlainName(rows.onlineFileName);
    const SettingsStore settings = mainStore(workspace, messages, wait);
    const auto directory = settingsDriveMap(workspace, settings).resolve(rows.onlineDirectory);
    if (!directory) throw IoError("Onlinefil-katalogen " + rows.onlineDirectory + " er ikke tilgjengelig");
    return *directory / fs::path(std::u8string(rows.onlineFileName.begin(), rows.onlineFileName.end()));
}

}  // namespace

ConversionResult runOnlineConversion(const Workspace& workspace, const ConversionRequest& request,
                                     Messages& messages, WriteProgress& progress, const WaitFunction& wait) {
    ConversionResult result;
    const bool skipCheck = skipCharacterCheck(workspace, wait);
    if (request.game != kTippingGame) return result;

    OnceMessages once(messages);
    result.outcome = ConversionOutcome::InputMissing;
    RowsFileInfo rows;
    if (!fileExists(request.input)) {
        once.inform("Fant ikke tippefilen");
        return result;
    }
    if (!readRowsFile(request.input, once, rows)) return result;
    progress.gameShown(rows.info.texts[info::kKupongtype] + "-" + request.game);

    const TippingOptions options{onlineFillCharacter(workspace, wait), skipCheck};
    const auto lines = loadRowsFileLines(request.input);
    if (!lines) {
        once.inform("Fant ikke tippefilen");
        return result;
    }
    const std::string bytes = buildTippingFile(rows.info, *lines, options, once, progress);
    replaceFile(workspace.file(std::string(kWorkingFileName)), bytes);

    if (request.destination) {
        result.destination = *request.destination;
        result.destinationText = pathText(*request.destination);
    } else {
        result.destinationText = joinWindowsPath(rows.onlineDirectory, rows.onlineFileName);
        result.destination = resolveDestination(workspace, rows, once, wait);
    }
    try {
        replaceFile(result.destination, bytes);
    } catch (const IoError&) {
        throw IoError("Kan ikke skrive onlinefilen til " + result.destinationText);
    }
    result.outcome = ConversionOutcome::Written;
    result.records = bytes.size() / kRecordBytes;
    return result;
}

}  // namespace andel
