#include "online/online_conversion.h"

#include "model/text.h"
#include "online/download_settings.h"
#include "online/game_rows.h"
#include "online/once_messages.h"
#include "online/online_file_limits.h"
#include "online/online_writer.h"
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

// Why the file cannot be made; empty when it can.
std::string refusal(const OnlineGame& game, const RowsFileInfo& rows) {
    const long coupons = parseAmount(rows.info.texts[info::kTotalCoupons]);
    const std::string heading =
        game.name == tippingGame().name ? std::string("FEIL I TIPPE-ONLINEFIL") : gameErrorHeading(game);
    if (coupons > kMostCouponsInOnlineFile) {
        return heading + "\rFilen har " + formatAmount(coupons) + " kuponger. En onlinefil kan ha høyst " +
               formatAmount(kMostCouponsInOnlineFile) + " kuponger; del spillet i flere filer.\rOnlinefilen er ikke laget.";
    }
    if (const auto tooLarge = valuesThatDoNotFit(game, rows); !tooLarge.empty()) {
        std::string text = heading;
        for (const std::string& line : tooLarge) text += "\r" + line;
        return text + "\rOnlinefilen er ikke laget.";
    }
    if (coupons == 0 && game.name != tippingGame().name) {
        return heading + "\rFilen har ingen rekker som kan skrives.\rOnlinefilen er ikke laget.";
    }
    return {};
}

}  // namespace

ConversionResult runOnlineConversion(const Workspace& workspace, const ConversionRequest& request,
                                     Messages& messages, WriteProgress& progress, const WaitFunction& wait) {
    ConversionResult result;
    const bool skipCheck = skipCharacterCheck(workspace, wait);
    const OnlineGame* game = findOnlineGame(request.game);
    if (!game) return result;

    OnceMessages once(messages);
    result.outcome = ConversionOutcome::InputMissing;
    RowsFileInfo rows;
    if (!fileExists(request.input)) {
        once.inform("Fant ikke tippefilen");
        return result;
    }
    if (!readRowsFile(request.input, *game, once, rows, request.problemsShown)) return result;
    progress.gameShown(rows.info.texts[info::kKupongtype] + "-" + request.game);
    if (const std::string problem = refusal(*game, rows); !problem.empty()) {
        once.inform(problem);
        result.outcome = ConversionOutcome::Refused;
        return result;
    }

    const WriterOptions options{onlineFillCharacter(workspace, wait), skipCheck};
    const auto lines = loadRowsFileLines(request.input);
    if (!lines) {
        once.inform("Fant ikke tippefilen");
        return result;
    }
    const std::string bytes = buildOnlineFile(*game, rows.info, *lines, options, once, progress);
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
