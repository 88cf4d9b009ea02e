#include "results/results_file.h"

#include "model/text.h"
#include "platform/file_io.h"

#include <fstream>

namespace andel {

std::string resultsDayName(CouponType type) {
    switch (type) {
        case CouponType::Sunday: return "SONDAG";
        case CouponType::Midweek: return "MIDTUKE";
        default: return "LORDAG";
    }
}

namespace {

std::string resultsDirectory(CouponType type, const GameWeek& week) {
    return "tipperesultater/" + resultsDayName(type) + "/" + std::to_string(week.year);
}

std::string resultsFileName(const GameWeek& week) {
    return padLeftZero(std::to_string(week.week), 2) + "_" + std::to_string(week.year) + ".kui";
}

}  // namespace

std::string resultsFileRelativePath(CouponType type, const GameWeek& week) {
    return resultsDirectory(type, week) + "/" + resultsFileName(week);
}

ResultsFileRead readResultsFile(const Workspace& workspace, Messages& messages, CouponType type,
                                const GameWeek& week) {
    ensureDirectory(workspace.file(resultsDirectory(type, week)));
    const auto path = workspace.file(resultsFileRelativePath(type, week));
    ResultsFileRead result;
    if (!fileExists(path)) return result;
    result.exists = true;

    std::ifstream in(path, std::ios::binary);
    std::string bytes(kResultsRecordBytes, '\0');
    if (in) in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const auto got = in ? bytes.size() : static_cast<std::size_t>(in.gcount());
    bytes.resize(got);
    if (auto record = decodeResultsRecord(bytes)) {
        result.record = *record;
        result.read = true;
        return result;
    }
    result.record.setStatus(kUnreadableStatus);
    if (in.is_open()) {
        messages.inform("Resultatfilen " + pathText(path) + " er skadet:\r" + std::to_string(got) +
                        " byte, ventet " + std::to_string(kResultsRecordBytes) + ".");
    }
    return result;
}

TeamNames teamNamesOf(const ResultsRecord& record) {
    TeamNames names;
    for (int m = 0; m < kMatches; ++m) {
        names[2 * m] = record.homeTeams[m].text();
        names[2 * m + 1] = record.awayTeams[m].text();
    }
    return names;
}

TeamNames readResultsTeamNames(const Workspace& workspace, Messages& messages, CouponType type,
                               const GameWeek& week) {
    return teamNamesOf(readResultsFile(workspace, messages, type, week).record);
}

}  // namespace andel
