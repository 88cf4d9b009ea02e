#include "storage/storage_browser.h"

#include "model/text.h"
#include "platform/file_io.h"

#include <system_error>

namespace andel {
namespace fs = std::filesystem;

bool listStorage(StorageBrowser& browser, StorageSource source, const Workspace& workspace,
                 const DisketteRoot& diskette) {
    const std::optional<fs::path> directory = storageDirectoryOf(source, workspace, diskette);
    if (!directory) return false;
    browser.storagePath = *directory;
    browser.source = source;
    fillStorageTable(browser.table, *directory, browser.voided);
    return true;
}

void setMarking(StorageBrowser& browser, bool on) {
    const int column = browser.table.column(kDeleteHeader);
    browser.marking = on;
    browser.table.widths[column] = on ? kDeleteColumnWidth : 0;
    browser.holdCaption = std::string(on ? kMarkingCaption : kHoldCaption);
    if (!on) {
        for (auto& row : browser.table.rows) row[column].clear();
    }
}

void toggleMark(StorageBrowser& browser, std::size_t row) {
    if (!browser.marking || row >= browser.table.rows.size() || browser.lastToggled == row) return;
    std::string& mark = browser.table.cell(kDeleteHeader, row);
    mark = mark.empty() ? std::string(kDeleteMark) : std::string();
    browser.lastToggled = row;
}

void releaseMouse(StorageBrowser& browser) { browser.lastToggled.reset(); }

bool chooseRow(StorageBrowser& browser, std::size_t row) {
    if (row >= browser.table.rows.size()) return false;
    const TextTable& table = browser.table;
    browser.chosen = ChosenStorage{table.cell(kStorageFirstNameHeader, row), table.cell(kStorageLastNameHeader, row),
                                   table.cell(kStoragePlayerHeader, row),
                                   removeBlanks(table.cell(kFileNameHeader, row))};
    return browser.chosen.fileName.size() > 4;
}

std::size_t markedCount(const StorageBrowser& browser) {
    std::size_t count = 0;
    const int column = browser.table.column(kDeleteHeader);
    for (const auto& row : browser.table.rows) count += row[column].empty() ? 0 : 1;
    return count;
}

std::vector<std::string> deleteMarkedStorage(StorageBrowser& browser, const Workspace& workspace,
                                             const DisketteRoot& diskette, Messages& messages,
                                             const std::function<bool(std::size_t count)>& confirm) {
    std::vector<std::string> deletedSerials;
    const std::size_t count = markedCount(browser);
    if (count == 0) {
        messages.inform(std::string(kNothingMarkedMessage));
        return deletedSerials;
    }
    if (!confirm(count)) return deletedSerials;
    // The source listed last owns the marked files.
    const StorageSource source = browser.source;
    if (const std::optional<fs::path> directory = storageDirectoryOf(source, workspace, diskette)) {
        const int column = browser.table.column(kDeleteHeader);
        for (auto& row : browser.table.rows) {
            if (row[column].empty()) continue;
            const std::string name = removeBlanks(row[browser.table.column(kFileNameHeader)]);
            std::error_code error;
            const fs::path file = *directory / fs::path(std::u8string(name.begin(), name.end()));
            if (name.empty() || !fs::remove(file, error) || error) {
                messages.inform(pathText(*directory) + "\\" + name);
            } else if (const std::string serial = trimBlanks(row[browser.table.column(kSerialHeader)]);
                       !serial.empty() && serial != "0000") {
                deletedSerials.push_back(serial);
            }
            for (std::string& cell : row) cell.clear();
        }
    }
    setMarking(browser, false);
    listStorage(browser, source, workspace, diskette);
    return deletedSerials;
}

}  // namespace andel
