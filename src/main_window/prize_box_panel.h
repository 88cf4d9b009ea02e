#pragma once
// The prize panel `holdpremiebox`: the round's result, the rows with 12, 11 and 10
// right, the prize forecasts and what the syndicate wins in total and per share; for a
// BEGGE syndicate also what it wins on the half time's result.
#include "workbench/workbench_state.h"

#include <QFrame>
#include <array>

class QLabel;
class QTableWidget;

namespace andel {

class PrizeBoxPanel : public QFrame {
    Q_OBJECT
public:
    PrizeBoxPanel(const WorkbenchState& state, QWidget* parent);
    void render();

signals:
    void resultCellClicked(int column, int row);
    void closeRequested();
    void detailsRequested(bool show);

private:
    void buildFigures();
    void buildDetails();

    const WorkbenchState& state_;
    QLabel* header_;
    QTableWidget* results_;
    std::array<QLabel*, 3> rows_{};       // pr12, pr11, pr10
    std::array<QLabel*, 3> forecasts_{};  // premie12, premie11, premie10
    QLabel* totalCaption_;
    QLabel* total_;
    QLabel* perShare_;
    QLabel* pauseCaption_;
    QLabel* pauseTotal_;  // BEGGE only: the half time's total beside the full time's
    QFrame* details_;
    std::array<QLabel*, kMatches + 1> detailCounts_{};  // p0 .. p12
};

}  // namespace andel
