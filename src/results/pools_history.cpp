#include "results/pools_history.h"

#include "model/codepage.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "settings/kvs_lines.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>

namespace andel {
namespace {

struct HistoryFile {
    char couponDay;
    bool pause;
    std::string_view statisticsName;
    std::string_view fileName;
};

constexpr std::array<HistoryFile, 6> kHistoryFiles{{
    {'L', false, "tmpstat.kvs", "lf.txt"},
    {'L', true, "tmpstatp.kvs", "lp.txt"},
    {'S', false, "sunstato.kvs", "sf.txt"},
    {'S', true, "sunstatp.kvs", "sp.txt"},
    {'M', false, "onsstato.kvs", "mf.txt"},
    {'M', true, "onsstatp.kvs", "mp.txt"},
}};

constexpr const char* kHistoryDirectory = "tippehistorikk";
constexpr std::size_t kLastColumn = 85;
// A history file holds a few thousand short lines; anything far larger is not one.
constexpr std::size_t kMaxHistoryBytes = 16u * 1024u * 1024u;

// Columns counted from 1. The line is padded with blanks first, so short lines read as
// blanks where they end.
std::string_view columns(std::string_view padded, std::size_t first, std::size_t width) {
    if (first - 1 >= padded.size()) return {};
    return padded.substr(first - 1, width);
}

template <class Number>
Number numberIn(std::string_view padded, std::size_t first, std::size_t width) {
    const std::int64_t value = parseAmount(digitsOnly(columns(padded, first, width)));
    return static_cast<Number>(std::min<std::int64_t>(value, std::numeric_limits<Number>::max()));
}

bool isOlderThan(const StatisticsRecord& line, int week, int year) {
    return year > line.year || (year == line.year && week > line.week);
}

}  // namespace

std::optional<std::string_view> statisticsName(char couponDay, bool pause) {
    for (const HistoryFile& file : kHistoryFiles) {
        if (file.couponDay == couponDay && file.pause == pause) return file.statisticsName;
    }
    return std::nullopt;
}

std::optional<std::string_view> historyFileName(std::string_view name) {
    const std::string folded = upperCase(name);
    for (const HistoryFile& file : kHistoryFiles) {
        if (upperCase(file.statisticsName) == folded) return file.fileName;
    }
    return std::nullopt;
}

StatisticsRecord parseHistoryLine(std::string_view line) {
    // Nothing after column 85 is read, so a huge line costs no more than a short one.
    std::string padded(line.substr(0, kLastColumn));
    padded.append(24, ' ');
    StatisticsRecord record;
    record.week = numberIn<std::uint8_t>(padded, 5, 2);
    record.year = numberIn<std::int32_t>(padded, 8, 4);
    record.resultText = fromCp1252(columns(padded, 24, 15));
    record.firstSmall = numberIn<std::uint8_t>(padded, 40, 3);
    record.secondSmall = numberIn<std::uint8_t>(padded, 43, 3);
    record.thirdSmall = numberIn<std::uint8_t>(padded, 46, 3);
    record.prize12 = numberIn<std::int32_t>(padded, 50, 10);
    record.prize11 = numberIn<std::int32_t>(padded, 60, 8);
    record.prize10 = numberIn<std::int32_t>(padded, 68, 7);
    record.furtherAmount = numberIn<std::int32_t>(padded, 75, 11);
    return record;
}

std::string formatHistoryLine(const StatisticsRecord& record, std::string_view date) {
    auto field = [](std::string_view text, std::size_t width) {
        return padLeft(text, width).substr(0, width);
    };
    std::string result = toCp1252(record.resultText);
    result.resize(15, ' ');
    std::string padded(date.substr(0, 10));
    padded.resize(10, ' ');
    return "UKE " + padLeftZero(std::to_string(record.week), 2) + " " + field(std::to_string(record.year), 4) +
           " " + padded + " " + result + " " + field(std::to_string(record.firstSmall), 3) +
           field(std::to_string(record.secondSmall), 3) + field(std::to_string(record.thirdSmall), 3) + " " +
           field(std::to_string(record.prize12), 10) + field(std::to_string(record.prize11), 8) +
           field(std::to_string(record.prize10), 7) + field(std::to_string(record.furtherAmount), 11);
}

HistoryLookup lookupHistory(const Workspace& workspace, Messages& messages,
                            std::string_view statisticsName, int week, int year) {
    const auto lines = readHistory(workspace, messages, statisticsName);
    return lines ? findRound(*lines, week, year) : HistoryLookup{};
}

std::optional<std::vector<StatisticsRecord>> readHistory(const Workspace& workspace, Messages& messages,
                                                         std::string_view statisticsName) {
    if (!fileExists(workspace.file(std::string(kHistoryDirectory) + "/lf.txt"))) return std::nullopt;

    const std::string fileName(historyFileName(statisticsName).value_or(""));
    const auto path = workspace.file(std::string(kHistoryDirectory) + "/" + fileName);
    if (fileName.empty() || !fileExists(path)) {
        messages.inform("03 Finner ikke tippestatistikk på! \r" + workspace.displayName() +
                        static_cast<char>(std::filesystem::path::preferred_separator) + fileName);
        return std::nullopt;
    }
    const auto bytes = readFileBytes(path, kMaxHistoryBytes);
    if (!bytes) {
        messages.inform("Kan ikke lese tippestatistikken i\r" + pathText(path));
        return std::nullopt;
    }
    std::vector<StatisticsRecord> lines;
    for (std::string_view line : splitLines(*bytes)) lines.push_back(parseHistoryLine(line));
    return lines;
}

HistoryLookup findRound(std::span<const StatisticsRecord> lines, int week, int year) {
    HistoryLookup lookup;
    for (const StatisticsRecord& line : lines) {
        lookup.record = line;
        if (isOlderThan(lookup.record, week, year)) break;
        if (lookup.record.year == year && lookup.record.week == week) {
            lookup.found = true;
            break;
        }
    }
    return lookup;
}

}  // namespace andel
