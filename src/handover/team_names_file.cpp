#include "handover/team_names_file.h"

#include "model/codepage.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "results/results_file.h"
#include "settings/kvs_lines.h"

#include <vector>

namespace andel {
namespace {

// The agent edits this file by hand; a file this large is not one of them.
constexpr std::size_t kMaxTeamNamesBytes = 4u * 1024u * 1024u;

std::string blockMarker(CouponType type) {
    switch (type) {
        case CouponType::Sunday: return toCp1252("^SØNDAG");
        case CouponType::Midweek: return "^ONSDAG";
        default: return toCp1252("^LØRDAG");
    }
}

bool isEntry(std::string_view line) { return line.size() >= 2 && line[1] == '^'; }

}  // namespace

std::string teamNamesFileName(int year) { return "KUP_" + std::to_string(year) + ".TXT"; }

bool applyTeamNamesFile(std::string_view bytes, int week, CouponType type, TeamNames& names) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    const std::string section = "#UKE " + twoDigits(week);
    const std::string marker = blockMarker(type);

    auto line = lines.begin();
    while (line != lines.end() && *line != section) ++line;
    if (line == lines.end()) return false;
    for (++line; line != lines.end() && *line != marker; ++line) {
        if (startsWith(*line, "#")) return false;
    }
    if (line == lines.end()) return false;

    std::size_t entry = 0;
    for (++line; line != lines.end() && isEntry(*line); ++line) {
        if (entry < names.size()) names[entry++] = fromCp1252(line->substr(2, kTeamNameLength));
    }
    return true;
}

TeamNamesLoad loadTeamNames(const Workspace& workspace, Messages& messages, const GameWeek& week,
                            CouponType type) {
    TeamNamesLoad load;
    load.names = readResultsTeamNames(workspace, messages, type, week);

    const std::string fileName = teamNamesFileName(week.year);
    const auto path = workspace.file(fileName);
    if (!fileExists(path)) {
        try {
            replaceFile(path, fileName + "\r\n");
        } catch (const IoError&) {
            if (!fileExists(path)) throw;  // else another run made the same file meanwhile
        }
    }
    const auto bytes = readFileBytes(path, kMaxTeamNamesBytes);
    if (!bytes) throw IoError("Kan ikke lese lagnavnene i " + pathText(path));
    load.found = applyTeamNamesFile(*bytes, week.week, type, load.names);
    return load;
}

}  // namespace andel
