#pragma once
// `Tgridform`: the syndicate workbench. It renders the workbench state and routes each
// event to the function over the state that handles it.
#include "platform/message_box_dialog.h"
#include "platform/workspace.h"
#include "workbench/workbench_state.h"

#include <QMainWindow>

class QLabel;
class QPushButton;

namespace andel {

class SharesPanel;
class StemAreaPanel;
class SystemInfoPanel;

class Tgridform : public QMainWindow {
    Q_OBJECT
public:
    // Messages go to message boxes unless a sink is given (tests record them).
    explicit Tgridform(Workspace workspace, Messages* messages = nullptr, QWidget* parent = nullptr);

    const WorkbenchState& state() const { return state_; }
    // Shows the state in every control.
    void render();

private:
    void buildCommandButtons(QWidget* parent);
    void buildAgentBar(QWidget* parent);
    // The creation steps that read files; a file error is shown and ends the creation.
    void loadFromWorkingDirectory();
    // Runs one change of the state and shows the result.
    template <typename Change>
    void change(Change&& step) {
        step(state_);
        render();
    }

    Workspace workspace_;
    WorkbenchState state_;
    MessageBoxes messageBoxes_;
    Messages& messages_;
    SharesPanel* shares_;
    StemAreaPanel* stemArea_;
    SystemInfoPanel* systemPanel_;
    QPushButton* makeOnlineFile_;
    QPushButton* certificates_;
    QPushButton* storeRows_;
    QLabel* agentLine1_;
    QLabel* agentLine2_;
};

}  // namespace andel
