#pragma once
// The eight windows beside the main window. Each exists once for the program's life, a
// child of the main window, so the dialogs remember what they were shown with.
#include "accounts/ledger_window.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "storage/storage_listing.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>

class QWidget;

namespace andel {

class Tkundekartotek;
class Tnykunde;
class Thentrekker;
class Tslettlagerfiler;
class TForm1;
class TAndelsform2;
class Tonlineform;
class Tonlinefilform;

struct ProgramWindows {
    Tkundekartotek* customerRegister = nullptr;
    Tnykunde* newCustomer = nullptr;
    Thentrekker* storageBrowser = nullptr;
    Tslettlagerfiler* deleteStorage = nullptr;
    TForm1* printerChoice = nullptr;
    TAndelsform2* certificateLayout = nullptr;
    Tonlineform* onlineDialog = nullptr;
    Tonlinefilform* onlineFileWindow = nullptr;
};

// What the ledger window opens of the customers' side: the buyer's account, receipts and
// who owes.
Tandelsregnskap::CustomerLinks customerLinks(const Workspace& workspace, Messages& messages);

// The serial numbers of the voided syndicates, as the books know them now.
std::set<std::string> voidedSerials(const Workspace& workspace);
// The same as a question the online and storage code can ask, answered from one reading.
VoidedSerial voidedSerialHook(const Workspace& workspace);

// Creates every window still missing, in the program's start-up order, and ties the
// register to its new-customer dialog and the browser to its delete question and to the
// ledgers of the syndicates it deletes.
void completeProgramWindows(ProgramWindows& windows, QWidget& mainWindow, const Workspace& workspace,
                            Messages& messages,
                            std::function<std::optional<std::filesystem::path>()> diskette);

}  // namespace andel
