#pragma once
// `Tgridform`: the syndicate workbench. It renders the workbench state and routes each
// event to the function over the state that handles it.
#include "platform/message_box_dialog.h"
#include "platform/workspace.h"
#include "workbench/workbench_state.h"

#include <QMainWindow>

class QPushButton;

namespace andel {

class SharesPanel;
class StemAreaPanel;
class SystemInfoPanel;

class Tgridform : public QMainWindow {
    Q_OBJECT
public:
    explicit Tgridform(Workspace workspace, QWidget* parent = nullptr);

    const WorkbenchState& state() const { return state_; }
    // Shows the state in every control.
    void render();

private:
    void buildCommandButtons(QWidget* parent);
    // Runs one change of the state and shows the result.
    template <typename Change>
    void change(Change&& step) {
        step(state_);
        render();
    }

    Workspace workspace_;
    WorkbenchState state_;
    MessageBoxes messages_;
    SharesPanel* shares_;
    StemAreaPanel* stemArea_;
    SystemInfoPanel* systemPanel_;
    QPushButton* makeOnlineFile_;
    QPushButton* certificates_;
    QPushButton* storeRows_;
};

}  // namespace andel
