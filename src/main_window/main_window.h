#pragma once
// `Tgridform`: the syndicate workbench. It renders the workbench state and routes each
// event to the function over the state that handles it.
#include "handover/window_message.h"
#include "main_window/program_window.h"
#include "main_window/rows_export_dialog.h"
#include "platform/guarded.h"
#include "platform/message_box_dialog.h"
#include "platform/workspace.h"
#include "settings/drive_settings.h"
#include "settings/settings_store.h"
#include "workbench/selectors.h"
#include "workbench/syndicate_change.h"
#include "workbench/workbench_state.h"

#include <type_traits>
#include <utility>

#include <QColor>

#include <filesystem>
#include <string>
#include <QMainWindow>

#include <functional>
#include <type_traits>
#include <utility>

class QFrame;
class QLabel;

namespace andel {

class BottomBarPanel;
class MessageListener;
class ColourPanel;
class CommandPanel;
class IconColumnPanel;
class PreviewPanel;
class PrizeBoxPanel;
class SharesPanel;
class StemAreaPanel;
class SystemInfoPanel;
class TopBarPanel;

// The system colour dialog's answer: a colour, nothing (cancelled), or no answer at all
// because the dialog could not be opened.
struct ColourAnswer {
    enum class Kind { Chosen, Cancelled, Failed } kind = Kind::Cancelled;
    QColor colour;
};
using ColourDialog = std::function<ColourAnswer(const QColor& initial, QWidget* parent)>;
ColourAnswer systemColourDialog(const QColor& initial, QWidget* parent);

inline constexpr const char* kColourDialogFailedMessage = "Color selection dialog failed to load.";

// A handler takes the signal's arguments, or none of them.
template <typename Handler, typename... Arguments>
void callHandler(const Handler& handler, Arguments&&... arguments) {
    if constexpr (std::is_invocable_v<const Handler&, Arguments...>) {
        handler(std::forward<Arguments>(arguments)...);
    } else {
        handler();
    }
}

class Tgridform : public QMainWindow {
    Q_OBJECT
public:
    // Messages go to message boxes unless a sink is given (tests record them).
    explicit Tgridform(Workspace workspace, Messages* messages = nullptr, QWidget* parent = nullptr);

    const WorkbenchState& state() const { return state_; }
    Messages& messages() { return messages_; }
    // Makes the other eight windows in the start-up order and uses them for the program's
    // life; windows given here (tests) are used as they are. Without this call the main
    // window makes them when first needed.
    void attachWindows(ProgramWindows windows = {});
    // Shows the state in every control.
    void render();
    // The bottom bar's deadline of the sale, and a sale of this week still open after it.
    void renderSaleDeadline();
    void renderDrawer();  // what the drawer should hold now, in the bottom bar
    // The colour dialog of the colour panel (tests give their own).
    void useColourDialog(ColourDialog dialog) { colourDialog_ = std::move(dialog); }
    // Where "Eksporter rekker..." writes (tests give their own; by default a save dialog).
    void useRowsExportChooser(RowsExportChooser chooser) { rowsChooser_ = std::move(chooser); }

signals:
    // The main window has closed and with it every window of the program.
    void programClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeMessage(const WindowMessage& message);
    void buildMenu();
    void buildPanels(QWidget* central);
    void connectPanels();
    // The creation steps that read files; a file error is shown and ends the creation.
    void create();
    // Every handler runs guarded: a file error becomes a message box, the step is
    // abandoned, the window shows the state as the step left it and the program goes on.
    template <typename Handler>
    auto guarded(Handler handler) {
        return [this, handler](auto&&... arguments) {
            const bool done = runGuarded(messages_, [&] { callHandler(handler, arguments...); });
            if (!done) render();
        };
    }
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender* sender, Signal signal, Handler handler) {
        connect(sender, signal, this, guarded(std::move(handler)));
    }
    // Runs one change of the state and shows the result; a change of the syndicate
    // forgets the online file.
    template <typename Change>
    void change(Change&& step) {
        const int couponType = state_.kupongtype;
        changeSyndicate(state_, std::forward<Change>(step));
        render();
        // Each coupon type has its own deadline of the sale.
        if (state_.kupongtype != couponType) renderSaleDeadline();
    }
    // A change that ends with the keyboard focus on the game-week display.
    template <typename Change>
    void changeSelection(Change&& step) {
        change(std::forward<Change>(step));
        focusWeekDisplay();
    }
    void focusWeekDisplay();
    void togglePrizes();
    void choosePlayer();
    void makeOnlineFile();
    void printCertificates();
    void showAccounts();
    // After a modal window: the window and the control that had the keyboard (this window
    // when that control is gone) have it again, also where no window manager gives it back.
    void giveKeyboardBack(QWidget* focus);
    // The program's ledger window as it stands, for a scan to choose what it shows; and the
    // ties every showing needs (the customers' side, scans in that window).
    Tandelsregnskap& counterLedgerWindow();
    void tieLedgerWindow(Tandelsregnskap& window);
    void showSystemAnalysis();
    void storeRows();
    void showStorageBrowser();
    void loadChosenStorage();
    // Loads a storage file of pul1lgr into the window as a fetch from the browser does.
    // Its messages go to `messages` when given.
    bool loadStorageFile(const std::filesystem::path& directory, const std::string& fileName,
                         Messages* messages = nullptr);
    // The syndicate stored, fetched or made last is remembered for the next start.
    void rememberSyndicate(const std::string& fileName);
    void reopenLastSyndicate();
    // Before printing without an online file: offers the one made earlier for the same
    // syndicate and loads it on Ja. False when printing is to stop.
    bool takeEarlierOnlineFile();
    ProgramWindows& windows();
    void chooseColour(std::uint32_t WorkbenchState::*colour);

    Workspace workspace_;
    WorkbenchState state_;
    MessageBoxes messageBoxes_;
    Messages& messages_;
    SettingsStore settings_;
    DriveMap drives_;
    RoundRefresh round_;
    ProgramWindows windows_;
    bool windowsComplete_ = false;
    bool storageConnected_ = false;
    MessageListener* listener_;
    ColourDialog colourDialog_ = systemColourDialog;
    RowsExportChooser rowsChooser_ = rowsExportDialog(this);

    TopBarPanel* topBar_;
    SharesPanel* shares_;
    StemAreaPanel* stemArea_;
    IconColumnPanel* iconColumn_;
    CommandPanel* commandPanel_;
    SystemInfoPanel* systemPanel_;
    PrizeBoxPanel* prizeBox_;
    BottomBarPanel* bottomBar_;
    QFrame* onlineInfo_;
    QLabel* onlineFileDate_;
    PreviewPanel* preview_;
    ColourPanel* colourPanel_;
};

}  // namespace andel
