#pragma once
// "FARGE-VALG": the background and text colours of the coupon panels, chosen with the
// system colour dialog. They last until the program ends.
#include "workbench/workbench_state.h"

#include <QFrame>

class QLabel;

namespace andel {

class ColourPanel : public QFrame {
    Q_OBJECT
public:
    ColourPanel(const WorkbenchState& state, QWidget* parent);
    void render();

signals:
    void backgroundRequested();
    void textRequested();
    void resetRequested();
    void closeRequested();

private:
    const WorkbenchState& state_;
    QLabel* backgroundSwatch_;
    QLabel* textSwatch_;
};

}  // namespace andel
