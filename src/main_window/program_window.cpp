#include "main_window/program_window.h"

#include "accounts/deleted_syndicate.h"
#include "books/journal.h"
#include "books/ledger_edit.h"
#include "books/ledger_store.h"
#include "customers/customer_account_window.h"
#include "customers/customer_print_window.h"
#include "customers/owing_window.h"
#include "online/online_dialog.h"
#include "online/online_file_window.h"
#include "printing/certificate_print_dialog.h"
#include "printing/certificate_print_window.h"
#include "register/new_customer_dialog.h"
#include "register/register_window.h"
#include "storage/delete_storage_dialog.h"
#include "storage/storage_browser_window.h"

namespace andel {
namespace {

template <class Window, class Make>
void ensure(Window*& window, Make&& make) {
    if (window) return;
    window = make();
    window->hide();
}

}  // namespace

Tandelsregnskap::CustomerLinks customerLinks(const Workspace& workspace, Messages& messages) {
    return {[workspace, &messages](QWidget* parent, const ShareEntry& buyer) {
                showCustomerAccount(parent, workspace, messages, buyer);
            },
            [workspace, &messages](QWidget* parent, const Ledger& ledger, const std::vector<int>& shares) {
                printShareReceipts(parent, workspace, ledger, shares, messages);
            },
            [workspace, &messages](QWidget* parent) { showOwingWindow(parent, workspace, messages); }};
}

std::set<std::string> voidedSerials(const Workspace& workspace) {
    std::set<std::string> voided;
    for (const Ledger& ledger : listLedgers(workspace).ledgers) {
        if (ledger.voided) voided.insert(ledger.facts.serialNumber);
    }
    return voided;
}

VoidedSerial voidedSerialHook(const Workspace& workspace) {
    return [voided = voidedSerials(workspace)](const std::string& serial) { return voided.count(serial) > 0; };
}

void completeProgramWindows(ProgramWindows& windows, QWidget& mainWindow, const Workspace& workspace,
                            Messages& messages,
                            std::function<std::optional<std::filesystem::path>()> diskette) {
    QWidget* parent = &mainWindow;
    ensure(windows.customerRegister, [&] { return new Tkundekartotek(workspace, messages, parent); });
    ensure(windows.newCustomer, [&] { return new Tnykunde(parent); });
    ensure(windows.storageBrowser,
           [&] { return new Thentrekker(workspace, messages, std::move(diskette), parent); });
    ensure(windows.deleteStorage, [&] { return new Tslettlagerfiler(parent); });
    ensure(windows.printerChoice, [&] { return new TForm1(parent, &messages); });
    ensure(windows.certificateLayout, [&] { return new TAndelsform2(parent, &messages); });
    ensure(windows.onlineDialog, [&] { return new Tonlineform(parent); });
    ensure(windows.onlineFileWindow, [&] { return new Tonlinefilform(workspace, &messages, parent); });
    windows.customerRegister->useNewCustomerDialog(windows.newCustomer);
    windows.customerRegister->setAccountOpener([workspace, &messages](QWidget* parent, const Tkunderec& customer) {
        showCustomerAccount(parent, workspace, messages, buyerOf(customer));
    });
    windows.storageBrowser->useDeleteDialog(windows.deleteStorage);
    windows.storageBrowser->setDeletedSyndicateHook([workspace, &messages](const std::string& serialNumber) {
        offerVoidingOfDeletedSyndicate(workspace, serialNumber, messages);
    });
    windows.storageBrowser->setVoidedSerials([workspace] { return voidedSerials(workspace); }, {booksPath(workspace)});
}

}  // namespace andel
