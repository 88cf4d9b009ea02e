#pragma once
// `Tsesong` ("Sesongen"): every syndicate with a ledger, oldest week first, with its
// stake, sales, correct counts, prize and return, the season's totals, a bar chart of
// the prize against the stake per round, and the export to a spreadsheet.
#include "accounts/accounts_export_dialog.h"
#include "accounts/season.h"
#include "accounts/season_buyers.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

#include <functional>

class QLabel;
class QTableWidget;

namespace andel {

class SeasonChartPanel;

class Tsesong : public QDialog {
    Q_OBJECT
public:
    Tsesong(Workspace workspace, Messages& messages, QWidget* parent = nullptr);
    // Reads every ledger and the rounds' results again.
    void reload();
    const Season& season() const { return season_; }
    const CustomerSeason& buyerSeason() const { return buyerSeason_; }
    // Where an export goes: by default the save dialog; no answer writes nothing.
    void setExportChooser(AccountsExportChooser chooser) { chooseExport_ = std::move(chooser); }

private:
    void render();
    void exportAccounts();

    Workspace workspace_;
    Messages& messages_;
    Season season_;
    CustomerSeason buyerSeason_;
    AccountsExportChooser chooseExport_;
    QTableWidget* table_;
    QTableWidget* buyers_;
    SeasonChartPanel* chart_;
    QLabel* summary_;
};

}  // namespace andel
