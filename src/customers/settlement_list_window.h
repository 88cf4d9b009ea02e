#pragma once
// `Tdagsoppgjorliste` ("Tidligere dagsoppgjør"): every settlement, newest first; Enter or a
// double click shows one as it was closed, ready to print again.
#include "books/cash_day.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

class QTableWidget;

namespace andel {

class Tdagsoppgjorliste : public QDialog {
    Q_OBJECT
public:
    Tdagsoppgjorliste(Workspace workspace, Messages& messages, QWidget* parent = nullptr);
    void reload();

private:
    void showChosen();

    Workspace workspace_;
    Messages& messages_;
    std::vector<DaySettlement> settlements_;  // newest first, as listed
    QTableWidget* table_;
};

Tdagsoppgjorliste& showSettlementList(QWidget* owner, const Workspace& workspace, Messages& messages);

}  // namespace andel
