#pragma once
// `Tkasserapport`: the drawer's report of the days not yet settled ("Kasserapport"), or a
// settlement as it was closed ("Dagsoppgjør nr N"), read from the books each time it is
// shown, and printed on A4 or as a slip.
#include "books/cash_day.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace andel {

class Tkasserapport : public QDialog {
    Q_OBJECT
public:
    Tkasserapport(Workspace workspace, Messages& messages, QWidget* parent = nullptr);

    void showOpenDays();
    void showSettlement(int number);
    const DayReport& report() const { return report_; }

private:
    void render();
    void print(bool slip);

    Workspace workspace_;
    Messages& messages_;
    DayReport report_;
    QLabel* title_;
    QTableWidget* lines_;
};

// The program's one report window (made on first use as a child of `owner`), shown.
Tkasserapport& showCashReport(QWidget* owner, const Workspace& workspace, Messages& messages, int settlement = 0);

}  // namespace andel
