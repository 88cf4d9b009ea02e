#pragma once
// The stem area: the match list, the stem grid where the agent marks signs and the
// visible columns of the coupon grid, where a match can be dragged.
#include "workbench/workbench_state.h"

#include <QTableWidget>
#include <QWidget>

class QKeyEvent;
class QLabel;

namespace andel {

// `PaintBox1`: match number, home team and away team, one line per stem grid row.
class MatchListPanel : public QWidget {
    Q_OBJECT
public:
    MatchListPanel(const WorkbenchState& state, const QTableWidget& stemGrid, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A match whose names are shortened shows them whole in its tool tip.
    bool event(QEvent* event) override;

private:
    const WorkbenchState& state_;
    const QTableWidget& stemGrid_;
};

class StemAreaPanel : public QWidget {
    Q_OBJECT
public:
    StemAreaPanel(const WorkbenchState& state, QWidget* parent);
    void render();

signals:
    void stemCellPressed(int column, int row);
    void resetPressed();
    void todayPressed();
    void couponDragStarted(int row);
    void couponDragMoved(int row);
    void couponDragEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The stem grid's keys; false for a key it leaves to the window (Tab).
    bool stemGridKey(const QKeyEvent& key);

    const WorkbenchState& state_;
    QTableWidget* stemGrid_;
    QTableWidget* couponGrid_;
    MatchListPanel* matchList_;
    QLabel* weekDisplay_;
    QLabel* heading_;
    QLabel* stemRows_;
    QLabel* kindCounts_;
};

}  // namespace andel
