#include "storage/storage_listing.h"

#include "model/text.h"
#include "platform/file_io.h"
#include "storage/storage_file.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace andel {
namespace fs = std::filesystem;
namespace {

// The browser shows only the first keys; a file's first 64 KB holds them many times over.
constexpr std::size_t kListingPrefixBytes = 64u * 1024u;

constexpr std::array<ColumnSpec, kStorageColumns> kColumns = {{
    {kStorageLineHeader, 0}, {kDeleteHeader, 0}, {kStorageFirstNameHeader, 64}, {kStorageLastNameHeader, 90},
    {kCouponTypeHeader, 30}, {kWeekHeader, 95}, {kTimeBasisHeader, 30}, {kStorageTypeHeader, 86},
    {kRowsHeader, 60}, {kStoragePlayerHeader, 90}, {kSerialHeader, 60}, {kFileNameHeader, 5},
    {kSavedHeader, 5}, {"", 5},
}};

// Line numbers (from 1) of the values the browser shows.
struct LineColumn {
    std::size_t line;
    std::string_view header;
};
constexpr std::array<LineColumn, 8> kLineColumns = {{
    {2, kSavedHeader}, {4, kWeekHeader}, {6, kSerialHeader}, {8, kStorageFirstNameHeader},
    {10, kStorageLastNameHeader}, {12, kStoragePlayerHeader}, {16, kStorageTypeHeader}, {20, kRowsHeader},
}};

bool isTextFile(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) && upperCase(pathText(entry.path().extension())) == ".TXT";
}

}  // namespace

TextTable emptyStorageTable() { return tableWithColumns(kColumns); }

std::vector<fs::path> storageFiles(const fs::path& directory) {
    std::vector<std::pair<std::string, fs::path>> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory, error)) {
        if (isTextFile(entry)) found.emplace_back(upperCase(pathText(entry.path().filename())), entry.path());
    }
    // The order a Windows directory search gives: by name, without regard to case.
    std::sort(found.begin(), found.end());
    std::vector<fs::path> files;
    files.reserve(found.size());
    for (auto& entry : found) files.push_back(std::move(entry.second));
    return files;
}

std::vector<std::string> storageRow(const TextTable& table, const fs::path& file) {
    std::vector<std::string> row(table.headers.size());
    const auto put = [&](std::string_view header, std::string value) {
        const int column = table.column(header);
        if (column >= 0) row[column] = std::move(value);
    };
    put(kFileNameHeader, pathText(file.filename()));
    const std::vector<std::string> lines = decodeTextLines(readFilePrefix(file, kListingPrefixBytes).value_or(""));
    const auto line = [&](std::size_t number) { return number <= lines.size() ? lines[number - 1] : std::string(); };
    for (const LineColumn& entry : kLineColumns) {
        put(entry.header, entry.header == kWeekHeader ? trimBlanks(line(entry.line)) : line(entry.line));
    }
    // From line 20 on: the line after "#KUPONGTYPE", then the line after "#SPILLTYPE".
    std::size_t at = 19;
    for (const auto& [key, header] : {std::pair{"#KUPONGTYPE", kCouponTypeHeader}, std::pair{"#SPILLTYPE", kTimeBasisHeader}}) {
        while (at < lines.size() && lines[at] != key) ++at;
        if (at < lines.size()) put(header, line(at + 2));
        ++at;
    }
    return row;
}

void fillStorageTable(TextTable& table, const fs::path& directory, const VoidedSerial& voided) {
    const std::vector<fs::path> files = storageFiles(directory);
    table.resetRows(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) table.rows[i] = storageRow(table, files[i]);
    markVoided(table, voided);
    sortStorage(table, StorageOrder::LastSaved);
}

bool markVoided(TextTable& table, const VoidedSerial& voided) {
    if (!voided) return false;
    const int serialColumn = table.column(kSerialHeader), typeColumn = table.column(kStorageTypeHeader);
    bool marked = false;
    for (auto& row : table.rows) {
        const std::string serial = trimBlanks(row[serialColumn]);
        if (serial.empty() || row[typeColumn] == kVoidedStorageType || !voided(serial)) continue;
        row[typeColumn] = std::string(kVoidedStorageType);
        marked = true;
    }
    return marked;
}

void sortStorage(TextTable& table, StorageOrder order) {
    switch (order) {
        case StorageOrder::LastSaved: return sortTableRows(table, kSavedHeader, true);
        case StorageOrder::LastName: return sortTableRows(table, kStorageLastNameHeader);
        case StorageOrder::FirstName: return sortTableRows(table, kStorageFirstNameHeader);
        case StorageOrder::PlayerNumber: return sortTableRows(table, kStoragePlayerHeader);
        case StorageOrder::RowCount: return sortTableRows(table, kRowsHeader, true);
        case StorageOrder::StorageType: return sortTableRows(table, kStorageTypeHeader, true);
    }
}

}  // namespace andel
