#pragma once
// `Tandelsregnskap` ("Andelsregnskap"): the accounts of one syndicate at a time, chosen
// from all ledgers (newest week first, each with its coupon type, player and state). The
// syndicate's facts, where its result comes from and whether it is final, a row per share
// with its winnings, the buyer picked from the customer register or typed, payments (of
// several shares at once, or an amount typed) and payouts with today's date, their undoing
// (with a Ja/Nei question and a history line), the confirmed result, the voiding, the
// totals and the export to a spreadsheet. Not modal.
//
// Every change re-reads the ledger under the ledger lock and is made on the file as it
// stands: what another program changed meanwhile is shown, never overwritten. What is
// recorded elsewhere is shown as soon as the books are written, and on activation.
#include "accounts/accounts_export_dialog.h"
#include "accounts/accounts_report.h"
#include "accounts/share_lookup.h"
#include "books/books_rules.h"
#include "settings/settings_store.h"
#include "books/ledger.h"
#include "books/ledger_store.h"
#include "books/ledger_winnings.h"
#include "online/once_messages.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "register/customer_record.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace andel {

class ShareTablePanel;

class Tandelsregnskap : public QDialog {
    Q_OBJECT
public:
    Tandelsregnskap(Workspace workspace, Messages& messages, QWidget* parent = nullptr);
    // A cell still being typed in is committed while the children are destroyed: by then
    // this window is no longer there to take it.
    ~Tandelsregnskap() override;

    // Lists the ledgers again and shows the one of the serial number (else the newest); a
    // damaged file is named in a message when it is chosen.
    void reload(const std::string& serialNumber = {});
    const std::optional<Ledger>& ledger() const { return ledger_; }
    // At the counter: the ledger on the share's row, with the button of its next step (pay,
    // pay out) focused as the default, so one key confirms it; `done` runs once after that
    // step. Choosing another row, or another scan, lets the step go. Only that ledger is
    // folded anew while the list already holds it.
    void showShareAtCounter(const Ledger& ledger, int share, ShareStep next, std::function<void()> done = {});
    const LedgerWinnings& winnings() const { return result_.winnings; }
    const LedgerResult& result() const { return result_; }

    // Who picks a buyer: by default the program's customer register window, shown to choose.
    void setCustomerPicker(std::function<std::optional<Tkunderec>()> picker) { pickCustomer_ = std::move(picker); }
    // Where an export goes: by default the save dialog; no answer writes nothing.
    void setExportChooser(AccountsExportChooser chooser) { chooseExport_ = std::move(chooser); }
    // The result marked in the prize panel, offered when confirming (by default none).
    void setMarkedRound(std::function<std::optional<MarkedRound>()> marked) { markedRound_ = std::move(marked); }
    // The confirmed result the agent enters: by default the "Godkjenn resultat" dialog.
    using ResultAsker = std::function<std::optional<ConfirmedResult>(const SyndicateFacts&, const HistoryRounds&,
                                                                     const std::optional<ConfirmedRound>& marked)>;
    void setResultAsker(ResultAsker asker) { askResult_ = std::move(asker); }
    // The reason for voiding: by default a text dialog; nothing when the agent cancels.
    void setReasonAsker(std::function<std::optional<std::string>()> asker) { askReason_ = std::move(asker); }

    // What the ledger window opens of the customers' side: a buyer's account, the
    // receipts of the selected shares and the list of who owes. A missing one leaves its
    // button disabled.
    struct CustomerLinks {
        std::function<void(QWidget* parent, const ShareEntry& buyer)> showAccount;
        std::function<void(QWidget* parent, const Ledger& ledger, const std::vector<int>& shares)> printReceipts;
        std::function<void(QWidget* parent)> showOwing;
    };
    void setCustomerLinks(CustomerLinks links);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    // The books as they stand now, shown without leaving the share in hand.
    void refreshFromBooks();
    // Asks before a share is sold after its coupon type's deadline (Nei by default).
    bool sellingAllowed(int share);
    void buildButtons(QVBoxLayout* layout);
    void render();
    void renderResult(const SettingsStore& settings);
    // The sale's state for the facts: closed, or open with the time left to its deadline.
    std::string saleText(const SettingsStore& settings) const;
    void renderShares();
    void renderTotals();
    void choose(int index);
    int currentShare() const;
    // Runs a money command on the current ledger. The books are read first: when another
    // program changed the ledger since it was shown, the command is not run and what now
    // stands is shown instead. A refusal or a file error is shown; the window reloads.
    using BooksCommand = std::function<std::string(Journal&, const Clerk&, const std::string& serial)>;
    void change(const BooksCommand& command);
    void pickBuyer();
    void cellTyped(int share, int column, const std::string& typed);
    void markSelectedPaid();
    void undo(bool payout);
    void confirmResult();
    void voidLedger();
    void payFromBalanceClicked();
    void showBuyerAccount();
    void closeOrReopenSale(bool close);
    void exportAccounts();
    void showSeason();

    Workspace workspace_;
    Messages& messages_;
    OnceMessages refreshMessages_{messages_};  // what following the books finds, each once
    std::vector<Ledger> listed_;  // every ledger of the books, newest week first
    std::optional<Ledger> ledger_;
    LedgerResult result_;
    std::function<std::optional<Tkunderec>()> pickCustomer_;
    AccountsExportChooser chooseExport_;
    std::function<std::optional<MarkedRound>()> markedRound_;
    ResultAsker askResult_;
    CustomerLinks links_;
    std::function<std::optional<std::string>()> askReason_;

    QComboBox* choice_;
    QLabel* facts_;
    QLabel* resultText_;
    QLabel* warning_;
    ShareTablePanel* table_;
    QListWidget* history_;
    std::vector<QPushButton*> changeButtons_;
    std::vector<std::pair<const char*, QLabel*>> totals_;
    std::vector<QMetaObject::Connection> counterStep_;
};

// The program's one ledger window shown beside the main window, as it stands.
Tandelsregnskap& raiseLedgerWindow(QWidget* mainWindow, const Workspace& workspace, Messages& messages);

// The main window's command: shows the program's one ledger window beside it, on the
// ledger of the syndicate in hand when it has one. `marked` gives the prize panel's result.
Tandelsregnskap& showLedgerWindow(QWidget* mainWindow, const Workspace& workspace, Messages& messages,
                                  const std::string& serialNumber, std::function<std::optional<MarkedRound>()> marked = {});

}  // namespace andel
