#pragma once
// The pools history: tippehistorikk/lf.txt and its five siblings, one fixed-column line
// per played round, newest first, with the round's result and its prizes.
#include "platform/messages.h"
#include "platform/workspace.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>
#include <string>
#include <string_view>

namespace andel {

// One line of a history file. The defaults are what a lookup starts from.
struct StatisticsRecord {
    std::int32_t year = 0;
    std::uint8_t week = 0;
    std::uint8_t firstSmall = 0;
    std::uint8_t secondSmall = 12;
    std::uint8_t thirdSmall = 0;
    std::string resultText = std::string(13, 'X');  // one character per match, as written
    std::int32_t prize12 = 0;  // for one row with 12 right
    std::int32_t prize11 = 0;
    std::int32_t prize10 = 0;
    std::int32_t spare = 0;  // always 0
    std::int32_t furtherAmount = 0;

    friend bool operator==(const StatisticsRecord&, const StatisticsRecord&) = default;
};

// The statistics name by coupon day ('L', 'S' or 'M') and time basis; nothing for any
// other day.
std::optional<std::string_view> statisticsName(char couponDay, bool pause);
// "lf.txt" ... "mp.txt" for a statistics name in any case; nothing for an unknown name.
std::optional<std::string_view> historyFileName(std::string_view statisticsName);

// Reads one line by its columns. Numeric fields keep only their digits (none reads 0; a
// number too large for its field reads as the field's largest value); missing columns
// read as blanks. The result text is the Windows-1252 bytes of its columns, decoded.
StatisticsRecord parseHistoryLine(std::string_view line);

// A line as the main program writes it ("UKE 05 2000 " + date + result and amounts in
// their columns), for making history files; `date` fills the unused columns 13 to 22.
std::string formatHistoryLine(const StatisticsRecord& record, std::string_view date = "");

struct HistoryLookup {
    bool found = false;
    // The line of the round when found; otherwise the last line read, or the defaults.
    StatisticsRecord record;
};

// The line of week/year in the history file of the statistics name. The search runs from
// the top and stops at the first line older than the wanted round. Without the history
// directory (tested by its lf.txt) nothing is found; a missing history file is reported.
HistoryLookup lookupHistory(const Workspace& workspace, Messages& messages,
                            std::string_view statisticsName, int week, int year);

// The two halves of the lookup, for looking up many rounds with one read: the parsed
// lines of the statistics name's file (nothing without the history directory, nothing
// after its message when the file is missing or unreadable), and the search over them.
std::optional<std::vector<StatisticsRecord>> readHistory(const Workspace& workspace, Messages& messages,
                                                         std::string_view statisticsName);
HistoryLookup findRound(std::span<const StatisticsRecord> lines, int week, int year);

}  // namespace andel
