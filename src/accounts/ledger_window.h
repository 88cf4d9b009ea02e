#pragma once
// `Tandelsregnskap` ("Andelsregnskap"): the accounts of one syndicate at a time, chosen
// from all ledgers (newest week first). The syndicate's facts and winnings at the top,
// a row per share, the buyer picked from the customer register, payments and payouts
// marked with today's date, and the totals. Not modal.
#include "accounts/accounts_report.h"
#include "accounts/ledger.h"
#include "accounts/ledger_store.h"
#include "accounts/ledger_winnings.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "register/customer_record.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QTableWidget;

namespace andel {

class Tandelsregnskap : public QDialog {
    Q_OBJECT
public:
    Tandelsregnskap(Workspace workspace, Messages& messages, QWidget* parent = nullptr);

    // Lists the ledgers again and shows the one of the serial number (else the newest); a
    // damaged file is named in a message when it is chosen.
    void reload(const std::string& serialNumber = {});
    const std::optional<Ledger>& ledger() const { return ledger_; }
    const LedgerWinnings& winnings() const { return winnings_; }

    // Who picks a buyer: by default the program's customer register window, shown to choose.
    void setCustomerPicker(std::function<std::optional<Tkunderec>()> picker) { pickCustomer_ = std::move(picker); }
    // Where the CSV goes: by default a file dialog; an empty answer writes nothing.
    void setCsvFileChooser(std::function<QString(const QString& suggested)> chooser) { chooseCsv_ = std::move(chooser); }

private:
    void build();
    void render();
    void renderTotals();
    void choose(int index);
    int currentShare() const;
    // Runs a change of the current ledger: saves it when the change is accepted; a refusal
    // or a file error is shown and the file is left as it was.
    void change(const std::function<std::string(Ledger&)>& step);
    void pickBuyer();
    void cellEdited(int row, int column);
    void exportCsv();
    void showSeason();

    Workspace workspace_;
    Messages& messages_;
    std::vector<LedgerFile> listed_;  // every ledger file, newest week first
    std::optional<Ledger> ledger_;
    LedgerWinnings winnings_;
    std::function<std::optional<Tkunderec>()> pickCustomer_;
    std::function<QString(const QString&)> chooseCsv_;

    QComboBox* choice_;
    QLabel* facts_;
    QLabel* result_;
    QTableWidget* table_;
    std::vector<std::pair<const char*, QLabel*>> totals_;
};

// The main window's command: shows the program's one ledger window beside it, on the
// ledger of the syndicate in hand when it has one.
void showLedgerWindow(QWidget* mainWindow, const Workspace& workspace, Messages& messages,
                      const std::string& serialNumber);

}  // namespace andel
