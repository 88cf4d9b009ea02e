#pragma once
// The storage browser `Thentrekker` without its widgets: the listed table, the storage
// path, the source, the marking for deletion and the chosen storage file.
#include "platform/messages.h"
#include "platform/workspace.h"
#include "register/text_table.h"
#include "storage/storage_directory.h"
#include "storage/storage_listing.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace andel {

inline constexpr std::string_view kHoldCaption = " Hold for sletting i lageret     ";
inline constexpr std::string_view kMarkingCaption = " Klikk på de linjene du vil slette !    ";
inline constexpr std::string_view kDeleteMark = "SLETT:";
inline constexpr std::string_view kNothingMarkedMessage = "Ingen merket for sletting, avbryter";
constexpr int kFetchStoredRowsMessage = 12708;  // `FetchStoredRows`, sent to the main window

// The syndicate the agent clicked: the main window loads storagePath / fileName.
struct ChosenStorage {
    std::string firstName, lastName, playerNumber;
    std::string fileName;  // every blank removed
};

struct StorageBrowser {
    TextTable table = emptyStorageTable();
    std::filesystem::path storagePath;  // the directory listed last
    StorageSource source = StorageSource::HardDisk;
    bool marking = false;  // "Hold for sletting i lageret" ticked
    std::optional<std::size_t> lastToggled;
    std::string holdCaption = std::string(kHoldCaption);
    ChosenStorage chosen;
    VoidedSerial voided;  // marks the voided syndicates in the list; empty: none known
};

// Where drive A is; empty when there is no diskette. The window asks the drive map.
using DisketteRoot = std::optional<std::filesystem::path>;

// Lists the source's storage directory (created when missing) newest first. When it
// cannot be entered the table keeps what it showed and the result is false.
bool listStorage(StorageBrowser& browser, StorageSource source, const Workspace& workspace,
                 const DisketteRoot& diskette);

// Ticking or clearing the hold box; clearing empties every mark and hides "Slett".
void setMarking(StorageBrowser& browser, bool on);

// A click on a data row while marking: toggles its mark unless it is the row toggled
// last (holding the button and moving within one row toggles it once).
void toggleMark(StorageBrowser& browser, std::size_t row);
// Releasing the mouse button over the table forgets the row toggled last.
void releaseMouse(StorageBrowser& browser);

// A click while not marking: keeps the row as the chosen syndicate. True when it names a
// file (longer than four characters), so that the main window is to load it.
bool chooseRow(StorageBrowser& browser, std::size_t row);

std::size_t markedCount(const StorageBrowser& browser);

// Deletes the files of the marked rows after `confirm(count)` (the `Tslettlagerfiler`
// dialog) says yes. A file that cannot be deleted is reported by its path; the others are
// still deleted. Afterwards the marks are cleared and the same source is listed again.
// Returns the serial numbers of the deleted files that were stored with an online file,
// so that the owner can offer to void their ledgers.
std::vector<std::string> deleteMarkedStorage(StorageBrowser& browser, const Workspace& workspace, const DisketteRoot& diskette,
                         Messages& messages, const std::function<bool(std::size_t count)>& confirm);

}  // namespace andel
