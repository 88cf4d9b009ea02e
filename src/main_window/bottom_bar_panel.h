#pragma once
// The bottom bar: the online file of the syndicate in hand and the agent's two lines
// under "Tippekommisjonær:".
#include "workbench/workbench_state.h"

#include <QFrame>
#include <array>

class QLabel;

namespace andel {

class BottomBarPanel : public QFrame {
    Q_OBJECT
public:
    BottomBarPanel(const WorkbenchState& state, QWidget* parent);
    void render();
    // The sale's deadline of the syndicate's coupon type this week; red when a sale of
    // this week is still open after its deadline.
    void setDeadline(const QString& text, const QString& tip, bool late);
    // What the cash drawer should hold now ("Kassen: kr 1.234").
    void setDrawer(const QString& text);

signals:
    void onlineFileLabelClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WorkbenchState& state_;
    QLabel* label29_;
    QLabel* pathAndName_;
    QLabel* availability_;
    QLabel* label32_;  // hidden: its caption is too wide for the bar
    QLabel* serialCaption_;
    QLabel* serialNumber_;
    QLabel* deadline_;
    QLabel* drawer_;
    // Each agent line is shown twice, a light copy under a dark one, for a raised look.
    std::array<QLabel*, 2> line1_{};
    std::array<QLabel*, 2> line2_{};
};

}  // namespace andel
