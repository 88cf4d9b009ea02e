#include "online/rows_file_body.h"

#include "model/text.h"
#include "online/rows_file.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "settings/kvs_lines.h"

namespace andel {
namespace {

// A place of a single-row group holds a row when its line is long enough and is not
// the empty place "0000 000000000000".
bool isRowPlace(std::string_view line) {
    return line.size() >= kCouponLineBytes && removeBlanks(line) != std::string(16, '0');
}

}  // namespace

std::optional<std::vector<std::string>> loadRowsFileLines(const std::filesystem::path& file) {
    if (!fileExists(file)) return std::nullopt;
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (!error && size > kMaxRowsFileBytes) {
        throw IoError("Filen " + pathText(file) + " er for stor til å være en tippefil");
    }
    const auto bytes = readFileBytes(file, kMaxRowsFileBytes);
    if (!bytes) throw IoError("Kan ikke lese filen " + pathText(file));
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(*bytes)) lines.emplace_back(line);
    return lines;
}

RowsFileBody parseRowsFileBody(const std::vector<std::string>& lines) {
    RowsFileBody body;
    std::size_t next = std::min(lines.size(), kRowsFileHeaderLines);
    while (next < lines.size() && !body.systemSectionFound) {
        body.systemSectionFound = removeBlanks(lines[next++]) == kSystemSectionKey;
    }
    while (next < lines.size() && !body.singleRowSectionFound) {
        const std::string& line = lines[next++];
        body.singleRowSectionFound = removeBlanks(line) == kSingleRowSectionKey;
        if (!body.singleRowSectionFound) body.systemSectionLines.push_back(line);
    }
    while (next < lines.size()) {
        std::vector<std::string> rows;
        for (int place = 0; place < kPlacesPerSingleRowCoupon && next < lines.size();) {
            const std::string& line = lines[next++];
            if (trimBlanks(line).empty()) continue;  // a blank line holds no row and takes no place
            ++place;
            if (isRowPlace(line)) rows.push_back(line);
        }
        if (!rows.empty()) body.singleRowGroups.push_back(std::move(rows));
    }
    return body;
}

bool isSystemCouponLine(std::string_view line) { return line.size() >= kCouponLineBytes; }

std::optional<int> rowCountOf(std::string_view line) {
    if (line.size() < 4) return std::nullopt;
    int count = 0;
    for (char c : line.substr(0, 4)) {
        if (c < '0' || c > '9') return std::nullopt;
        count = count * 10 + (c - '0');
    }
    return count;
}

}  // namespace andel
