#include "online/make_online_window.h"

#include "online/online_dialog.h"
#include "online/online_file_window.h"
#include "online/rows_file.h"
#include "platform/io_error.h"
#include "widgets/child_window.h"

#include <QApplication>
#include <QThread>

namespace andel {
namespace {

constexpr int kWriterWindowOffset = 50;  // right of and below the dialog's top left corner

// Restored on every way out of the command.
class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

MakeOnlineHooks windowHooks(QWidget* mainWindow, const Workspace& workspace, QPoint dialogTopLeft) {
    MakeOnlineHooks hooks;
    hooks.writeOnlineFile = [mainWindow, workspace, dialogTopLeft](Messages& messages) {
        Tonlinefilform& window = childWindow<Tonlinefilform>(
            mainWindow, [&](QWidget* parent) { return new Tonlinefilform(workspace, &messages, parent); });
        window.setInputFile(std::string(kRowsFileName));
        window.setGame(std::string(kTippingGame));
        window.move(dialogTopLeft + QPoint(kWriterWindowOffset, kWriterWindowOffset));
        window.show();
        QCoreApplication::processEvents();  // the window is seen before the writing starts
        return window.run();
    };
    hooks.fileWait.handleEvents = [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    };
    return hooks;
}

}  // namespace

MakeOnlineResult makeOnlineFileFromWindow(QWidget* mainWindow, WorkbenchState& state, const Workspace& workspace,
                                          Messages& messages, const VoidedSerial& voided) {
    if (!mayMakeOnlineFile(state, messages)) return {};
    if (!mayMakeAnotherOnlineFile(workspace, state, messages, voided)) return {};
    Tonlineform& dialog = childWindow<Tonlineform>(mainWindow, [](QWidget* parent) { return new Tonlineform(parent); });
    dialog.fill(onlineDialogFill(state, mainStore(workspace, messages).getString(kOnlinefilDrive)));
    if (mainWindow) dialog.placeOver(*mainWindow);
    OnlineDialogAnswers answers;
    do {
        dialog.startTyping();
        if (dialog.exec() != QDialog::Accepted) return {};
        answers = dialog.answers();
    } while (!confirmPlayerNumber(answers.playerNumber, messages));  // No: back to what was typed
    const QPoint dialogTopLeft = dialog.frameGeometry().topLeft();

    HourglassCursor hourglass;
    try {
        MakeOnlineHooks hooks = windowHooks(mainWindow, workspace, dialogTopLeft);
        hooks.playerNumberConfirmed = true;
        return makeOnlineFile(state, answers, workspace, messages, hooks);
    } catch (const IoError& error) {
        messages.inform(error.what());
        return {};
    }
}

}  // namespace andel
