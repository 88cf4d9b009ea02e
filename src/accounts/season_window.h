#pragma once
// `Tsesong` ("Sesongen"): every syndicate with a ledger, oldest week first, with its
// stake, sales, correct counts, prize and return, the season's totals and a bar chart of
// the prize against the stake per round.
#include "accounts/season.h"
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
    void setCsvFileChooser(std::function<QString(const QString& suggested)> chooser) { chooseCsv_ = std::move(chooser); }

private:
    void render();
    void exportCsv();

    Workspace workspace_;
    Messages& messages_;
    Season season_;
    std::function<QString(const QString&)> chooseCsv_;
    QTableWidget* table_;
    SeasonChartPanel* chart_;
    QLabel* summary_;
};

}  // namespace andel
