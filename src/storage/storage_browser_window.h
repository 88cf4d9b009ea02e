#pragma once
// `Thentrekker` ("Internt lager"): the storage browser. Not modal; it tells the main
// window about a chosen syndicate with the signal fetchStoredRows (message 12708).
#include "platform/messages.h"
#include "platform/workspace.h"
#include "storage/storage_browser.h"

#include <QWidget>

#include <functional>
#include <set>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QTableWidget;

namespace andel {

class Tslettlagerfiler;

class Thentrekker : public QWidget {
    Q_OBJECT
public:
    // `diskette` answers where drive A is at the moment (the drive map).
    Thentrekker(Workspace workspace, Messages& messages, std::function<DisketteRoot()> diskette,
                QWidget* parent = nullptr);

    // The main window loads storagePath() / chosen().fileName on fetchStoredRows.
    const std::filesystem::path& storagePath() const { return browser_.storagePath; }
    const ChosenStorage& chosen() const { return browser_.chosen; }
    const StorageBrowser& browser() const { return browser_; }

    // `ListStorage`: the main window refreshes the hard disk's list after storing.
    void listStorage(StorageSource source);
    // The program's one `Tslettlagerfiler` asks before deleting; without it the browser
    // makes its own when first needed.
    void useDeleteDialog(Tslettlagerfiler* dialog) { deleteDialog_ = dialog; }
    // Told the serial number of each deleted syndicate that was stored with an online file
    // (the main window offers to void its ledger, which this browser knows nothing of).
    void setDeletedSyndicateHook(std::function<void(const std::string& serialNumber)> hook) {
        deletedSyndicate_ = std::move(hook);
    }
    // The serial numbers voided now, asked at each listing to mark them in the list (the
    // books know them, this browser does not), and again whenever one of the `watched`
    // files (the books) is written or the window is activated.
    void setVoidedSerials(std::function<std::set<std::string>()> voidedNow, std::vector<std::filesystem::path> watched = {});
    // Replaces the `Tslettlagerfiler` question (tests answer it themselves).
    void setDeleteConfirmation(std::function<bool(std::size_t)> confirm) { confirm_ = std::move(confirm); }
    // Top = main window's top + 45, height = its height - 85, the same horizontal centre.
    void placeBeside(const QWidget& mainWindow);

signals:
    void fetchStoredRows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void render();
    void rowPressed(int row);
    void rowClicked(int row);
    void setMarking(bool on);
    void markVoidedNow();

    Workspace workspace_;
    Messages& messages_;
    std::function<DisketteRoot()> diskette_;
    std::function<bool(std::size_t)> confirm_;
    std::function<void(const std::string&)> deletedSyndicate_;
    StorageBrowser browser_;
    std::function<std::set<std::string>()> voidedNow_;
    QTableWidget* table_;
    QCheckBox* hold_;
    QAction* fromDiskette_;
    QAction* fromHardDisk_;
    Tslettlagerfiler* deleteDialog_ = nullptr;
};

}  // namespace andel
