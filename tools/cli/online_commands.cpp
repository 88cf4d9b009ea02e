// andelstipp-cli ntf and dump: the online-file window's conversion for each game, and the
// check of an online file before it is delivered.
#include "commands.h"
#include "online/online_conversion.h"
#include "online/online_file_audit.h"
#include "online/online_games.h"
#include "settings/drive_settings.h"
#include "platform/file_io.h"
#include "platform/io_error.h"

#include <limits>
#include <ostream>

namespace andel::cli {
namespace {

namespace fs = std::filesystem;

fs::path argumentPath(const std::string& text) {
    return fs::absolute(fs::path(std::u8string(text.begin(), text.end())));
}

// FILE in its Windows form ("C:\NTFILE\X.NTF") goes through the drive map.
fs::path destinationPath(const std::string& text, Context& context) {
    if (driveLetterOf(text) == 0) return argumentPath(text);
    const SettingsStore settings = mainStore(context.workspace, context.messages);
    const auto resolved = settingsDriveMap(context.workspace, settings).resolve(text);
    if (!resolved) throw IoError("Stasjonen i " + text + " er ikke tilgjengelig");
    return *resolved;
}

// Control characters would break the dump's one line per field.
std::string printable(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    }
    return text;
}

// Prints the lines the window lists, as they come.
class ListPrinter : public WriteProgress {
public:
    explicit ListPrinter(std::ostream* out) : out_(out) {}
    void listed(const std::string& line) override {
        if (out_) *out_ << printable(line) << '\n';
    }

private:
    std::ostream* out_;
};

}  // namespace

int runNtf(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    ConversionRequest request;
    request.input = argumentPath(args.positionals()[0]);
    if (const auto game = args.option("--game")) {
        if (!findOnlineGame(*game)) throw UsageError("unknown game for --game: " + *game);
        request.game = *game;
    }
    if (const auto out = args.option("--out")) request.destination = destinationPath(*out, context);
    // On stderr every line left out is named, not only the first few a message box shows.
    request.problemsShown = std::numeric_limits<std::size_t>::max();
    ListPrinter progress(args.flag("--list") ? &context.out : nullptr);
    const ConversionResult result = runOnlineConversion(context.workspace, request, context.messages, progress);
    return result.outcome == ConversionOutcome::Written ? 0 : 1;
}

int runDump(const Arguments& args, Context& context) {
    args.expectPositionals(1, 1);
    const fs::path file = argumentPath(args.positionals()[0]);
    if (!fileExists(file)) throw IoError("Fant ikke filen " + pathText(file));
    const auto bytes = readFileBytes(file);
    if (!bytes) throw IoError("Kan ikke lese filen " + pathText(file));

    const OnlineFileInspection inspection = inspectOnlineFile(*bytes);
    for (const std::string& line : inspection.headerDump) context.out << printable(line) << '\n';
    for (std::size_t n = 0; n < inspection.checksOk.size(); ++n) {
        context.out << "record " << n + 1 << " check " << (inspection.checksOk[n] ? "ok" : "bad") << '\n';
        if (n > 0) context.out << "record " << n + 1 << " game " << printable(inspection.couponGames[n - 1]) << '\n';
    }
    context.out << "records " << inspection.checksOk.size() << '\n';
    if (const std::string problem = inspection.lengthProblem(); !problem.empty()) context.messages.inform(problem);
    return inspection.allOk() ? 0 : 1;
}

}  // namespace andel::cli
