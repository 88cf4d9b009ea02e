#pragma once
// The top bar: the title, the three selectors with their arrows, the three tool buttons
// and the player fields.
#include "workbench/selectors.h"
#include "widgets/widget_sync_panel.h"
#include "workbench/workbench_state.h"

#include <QFrame>

class QComboBox;
class QLabel;

namespace andel {

class TopBarPanel : public QFrame {
    Q_OBJECT
public:
    TopBarPanel(const WorkbenchState& state, QWidget* parent);
    void render();
    // Opens the drop-down list of a selector (the preview panel's game details ask for it).
    void openList(Selector selector);

signals:
    void weekChosen(int index);
    void couponTypeChosen(int index);
    void timeBasisChosen(int index);
    void stepped(Selector selector, int step);
    void printRequested();
    void prizeRequested();
    void storeRequested();

private:
    QComboBox* addSelector(const QString& caption, const char* name, const char* arrows, Selector selector, int left,
                           int width);

    const WorkbenchState& state_;
    QComboBox* weeks_;
    QComboBox* couponTypes_;
    QComboBox* timeBases_;
    ComboItems weekItems_;
    QLabel* firstName_;
    QLabel* lastName_;
    QLabel* playerNumber_;
};

}  // namespace andel
