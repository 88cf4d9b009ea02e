#pragma once
// The syndicate's name and money: name field, number of shares, price per share,
// total rows and stake.
#include "widgets/widget_sync_panel.h"
#include "workbench/workbench_state.h"

#include <QFrame>

class QComboBox;
class QLabel;

namespace andel {

class SharesPanel : public QFrame {
    Q_OBJECT
public:
    SharesPanel(const WorkbenchState& state, QWidget* parent);
    void render();

signals:
    void sharesChosen(int index);
    void playerRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WorkbenchState& state_;
    QLabel* name_;
    QComboBox* shares_;
    QComboBox* rowPrice_;
    ComboItems shareItems_;
    ComboItems rowPriceItems_;
    QLabel* pricePerShare_;
    QLabel* totalRows_;
    QLabel* stake_;
};

}  // namespace andel
