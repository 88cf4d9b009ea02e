#include "main_window/main_window.h"

#include "platform/io_error.h"

#include "customers/cash_movement_dialog.h"
#include "customers/cash_report_window.h"
#include "customers/day_settlement_dialog.h"
#include "accounts/ledger_certificate.h"
#include "customers/settlement_list_window.h"
#include "books/cash_day.h"
#include "books/journal.h"
#include "books/ledger_store.h"
#include "accounts/ledger_window.h"
#include "accounts/sale_deadline.h"
#include "accounts/sale_deadline_dialog.h"
#include "customers/owing_window.h"
#include "customers/receipt_printer_dialog.h"
#include "main_window/share_scan_listener.h"
#include "main_window/program_about.h"
#include "main_window/rows_export_dialog.h"
#include "results/system_analysis_window.h"
#include "widgets/child_window.h"
#include "widgets/file_change_listener.h"
#include "handover/message_listener.h"
#include "platform/clock.h"
#include "platform/guarded.h"
#include "main_window/bottom_bar_panel.h"
#include "main_window/colour_panel.h"
#include "main_window/icon_column_panel.h"
#include "online/earlier_online_file.h"
#include "online/make_online_window.h"
#include "printing/certificate_command.h"
#include "online/online_file_state.h"
#include "printing/certificate_print_window.h"
#include "platform/file_io.h"
#include "model/text.h"
#include "settings/settings_keys.h"
#include "register/register_window.h"
#include "storage/storage_browser_window.h"
#include "storage/storage_load.h"
#include "storage/storage_save.h"
#include "workbench/player_choice.h"
#include "main_window/preview_panel.h"
#include "main_window/prize_box_panel.h"
#include "workbench/prize_counting.h"
#include "workbench/recompute.h"
#include "main_window/shares_panel.h"
#include "workbench/startup.h"
#include "main_window/stem_area_panel.h"
#include "workbench/stem_editing.h"
#include "main_window/system_info_panel.h"
#include "main_window/top_bar_panel.h"
#include "widgets/widget_sync_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QColorDialog>
#include <QCoreApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace andel {
namespace {

constexpr int kWidth = 640, kHeight = 520;

// Centred on the work area, the top kept within 0 to 20.
QPoint startPosition() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, kWidth, kHeight);
    const int left = area.left() + (area.width() - kWidth) / 2;
    const int top = std::clamp((area.height() - kHeight) / 2, 0, 20);
    return {left, area.top() + top};
}

QColor toQColor(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
std::uint32_t fromQColor(const QColor& c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}

// Shows the window's state before each message, so a message about what a command did
// appears over a window that already shows it (the bottom bar names the new online file
// before "Intern lagring OK + Onlinefil OK").
class ShownFirst : public Messages {
public:
    ShownFirst(Messages& target, std::function<void()> show) : target_(target), show_(std::move(show)) {}
    bool show(const Message& message) override {
        show_();
        return target_.show(message);
    }

private:
    Messages& target_;
    std::function<void()> show_;
};

}  // namespace

namespace {
// Keeps the messages of a step that runs before the window is shown.
struct LaterMessages : Messages {
    bool show(const Message& message) override {
        kept.push_back(message);
        return message.defaultAnswer == MessageDefault::Yes;
    }
    std::vector<Message> kept;
};
}  // namespace

Tgridform::Tgridform(Workspace workspace, Messages* messages, QWidget* parent)
    : QMainWindow(parent),
      workspace_(std::move(workspace)),
      state_(initialWorkbenchState()),
      messageBoxes_(this),
      messages_(messages ? *messages : messageBoxes_),
      settings_(mainStore(workspace_, messages_)),
      drives_(settingsDriveMap(workspace_, settings_)),
      round_(roundRefresh(workspace_, messages_)),
      listener_(new MessageListener(this)) {
    setObjectName(QStringLiteral("Tgridform"));
    setWindowTitle(QStringLiteral("Kvasar - Andelstippemodul  10.11.2019"));
    setFixedSize(kWidth, kHeight);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    move(startPosition());

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("arbeidsflate"));
    setCentralWidget(central);
    buildMenu();
    buildPanels(central);
    connectPanels();
    create();
    reopenLastSyndicate();
    render();
    // The sale's time left is counted down a minute at a time, and a late open sale named.
    auto* deadlineClock = new QTimer(this);
    deadlineClock->setInterval(60'000);
    on(deadlineClock, &QTimer::timeout, [this] {
        renderSaleDeadline();
        renderDrawer();
    });
    deadlineClock->start();
    renderSaleDeadline();
    renderDrawer();
    // Cash taken in any window, or by another program, shows in the bar at once.
    on(new FileChangeListener(*this, {booksPath(workspace_)}), &FileChangeListener::changed, [this] { renderDrawer(); });
    // A share's code scanned anywhere in this window opens its ledger at the counter.
    listenForShareScans(this, workspace_, messages_, [this]() -> Tandelsregnskap& { return counterLedgerWindow(); });
}

void Tgridform::renderDrawer() {
    // Books that cannot be read say so where they are opened; the bar is no place to stop for it.
    try {
        Journal journal(workspace_, &messages_);
        const std::int64_t ore = journal.read([&] { return drawerNowOre(journal); });
        bottomBar_->setDrawer(QString::fromStdString("Kassen: " + oreText(ore)));
    } catch (const IoError&) {
        bottomBar_->setDrawer(QString());
    }
}

void Tgridform::renderSaleDeadline() {
    const SettingsStore settings = mainStore(workspace_, messages_);
    const LocalDateTime now = localNow();
    const GameWeek week = gameWeekOf(now.date);
    const auto deadline = storedSaleDeadline(settings, couponTypeOf(state_));
    // Books that cannot be read say so where they are opened; the bar is no place to stop for it.
    std::vector<std::string> late;
    try {
        late = lateOpenSales(listLedgers(workspace_, &messages_).ledgers, settings, now);
    } catch (const IoError&) {
    }
    // The bar has room for a few words; the tooltip says it in full.
    std::string text, tip = deadline ? deadlineStatusText(*deadline, week, now) : std::string();
    if (deadline) {
        const long long left = minutesLeft(*deadline, week, now);
        text = left < 0 ? "Salgsfristen er ute" : "Frist om " + timeLeftText(left);
    }
    if (!late.empty()) text = late.size() == 1 ? "Salg åpent etter frist!" : std::to_string(late.size()) + " salg åpne etter frist!";
    for (const std::string& line : late) tip += (tip.empty() ? "" : "\n") + line;
    bottomBar_->setDeadline(QString::fromStdString(text), QString::fromStdString(tip), !late.empty());
}

void Tgridform::buildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fil"));
    QAction* print = file->addAction(QStringLiteral("&Skriv ut"));
    print->setObjectName(QStringLiteral("Skrivut1"));
    on(print, &QAction::triggered, [this] { printCertificates(); });
    QAction* accounts = file->addAction(QStringLiteral("&Andelsregnskap"));
    accounts->setObjectName(QStringLiteral("Andelsregnskap1"));
    on(accounts, &QAction::triggered, [this] { showAccounts(); });
    QAction* owing = file->addAction(QStringLiteral("&Utestående..."));
    owing->setObjectName(QStringLiteral("utestaende"));
    on(owing, &QAction::triggered, [this] { showOwingWindow(this, workspace_, messages_); });
    QAction* deadlines = file->addAction(QStringLiteral("Salgs&frister..."));
    deadlines->setObjectName(QStringLiteral("salgsfrister"));
    on(deadlines, &QAction::triggered, [this] {
        editSaleDeadlines(this, workspace_, messages_);
        renderSaleDeadline();  // the bar never shows a deadline the agent has just changed
    });
    QAction* receiptPrinter = file->addAction(QStringLiteral("&Kvitteringsskriver..."));
    receiptPrinter->setObjectName(QStringLiteral("kvitteringsskriver"));
    on(receiptPrinter, &QAction::triggered, [this] { chooseReceiptPrinter(this, workspace_, messages_); });
    QAction* rows = file->addAction(QStringLiteral("&Eksporter rekker..."));
    rows->setObjectName(QStringLiteral("eksporterrekker"));
    on(rows, &QAction::triggered, [this] {
        exportRows(state_, QString::fromStdString(pathText(workspace_.root())), rowsChooser_, messages_);
    });
    QAction* colours = file->addAction(QStringLiteral("Farge-&valg"));
    colours->setObjectName(QStringLiteral("Fargevalg1"));
    on(colours, &QAction::triggered, [this] { change([](auto& s) { s.colourPanelVisible = true; }); });
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("Avslu&tt"));
    quit->setObjectName(QStringLiteral("Avslutt1"));
    on(quit, &QAction::triggered, [this] { close(); });
    // Every window of the program is reached from the keyboard, each letter once per menu.
    QMenu* windowsMenu = menuBar()->addMenu(QStringLiteral("&Vinduer"));
    const std::pair<const char*, const char*> windowEntries[] = {
        {"&Kundekartotek...", "kundekartotek"}, {"&Lagrede rekker...", "lagrederekker"},
        {"Lag &onlinefil...", "lagonlinefilmeny"}, {"&Systemanalyse...", "systemanalyse"}};
    const std::function<void()> windowCommands[] = {[this] { choosePlayer(); }, [this] { showStorageBrowser(); },
                                                    [this] { makeOnlineFile(); }, [this] { showSystemAnalysis(); }};
    for (std::size_t i = 0; i < std::size(windowEntries); ++i) {
        QAction* entry = windowsMenu->addAction(QString::fromUtf8(windowEntries[i].first));
        entry->setObjectName(QString::fromLatin1(windowEntries[i].second));
        on(entry, &QAction::triggered, windowCommands[i]);
    }
    // The agent's day: the drawer, its report and the day's settlement.
    QMenu* cash = menuBar()->addMenu(QStringLiteral("&Kasse"));
    const std::pair<const char*, const char*> cashEntries[] = {
        {"&Kasserapport...", "kasserapport"}, {"&Dagsoppgjør...", "dagsoppgjor"},
        {"&Innskudd / uttak...", "innskudduttak"}, {"Tidligere dags&oppgjør...", "tidligeredagsoppgjor"},
        {"Åpne kasse&skuffen...", "apnekasseskuffen"}};
    const std::function<void()> cashCommands[] = {
        [this] { showCashReport(this, workspace_, messages_); },
        [this] { settleTheDay(this, workspace_, messages_); },
        [this] { moveCash(this, workspace_, messages_); },
        [this] { showSettlementList(this, workspace_, messages_); },
        [this] { openDrawerByHand(this, workspace_, messages_); }};
    for (std::size_t i = 0; i < std::size(cashEntries); ++i) {
        QAction* entry = cash->addAction(QString::fromUtf8(cashEntries[i].first));
        entry->setObjectName(QString::fromLatin1(cashEntries[i].second));
        on(entry, &QAction::triggered, [this, command = cashCommands[i]] {
            command();
            renderDrawer();  // the bar never shows a drawer the agent has just changed
        });
    }
    QMenu* information = menuBar()->addMenu(QStringLiteral("&Informasjon"));
    QAction* about = information->addAction(QStringLiteral("&Om andelstipp"));
    about->setObjectName(QStringLiteral("omandelstipp"));
    on(about, &QAction::triggered, [this] { messages_.inform(aboutText(workspace_)); });
}

void Tgridform::buildPanels(QWidget* central) {
    topBar_ = new TopBarPanel(state_, central);
    topBar_->setGeometry(0, 0, kWidth, 60);
    shares_ = new SharesPanel(state_, central);
    shares_->setGeometry(2, 61, kWidth - 4, 44);
    stemArea_ = new StemAreaPanel(state_, central);
    stemArea_->setGeometry(4, 108, 286, 340);
    iconColumn_ = new IconColumnPanel(central);
    iconColumn_->setGeometry(293, 108, 100, 340);
    commandPanel_ = new CommandPanel(central);
    commandPanel_->setGeometry(iconColumn_->geometry());
    systemPanel_ = new SystemInfoPanel(central);
    systemPanel_->setGeometry(396, 108, 240, 340);
    prizeBox_ = new PrizeBoxPanel(state_, central);
    prizeBox_->setGeometry(systemPanel_->geometry());
    bottomBar_ = new BottomBarPanel(state_, central);
    bottomBar_->setGeometry(0, 450, kWidth, 50);

    onlineInfo_ = new QFrame(central);
    onlineInfo_->setObjectName(QStringLiteral("merinformasjonomonlinefilen"));
    onlineInfo_->setGeometry(396, 420, 240, 26);
    onlineInfo_->setFrameShape(QFrame::Panel);
    onlineInfo_->setFrameShadow(QFrame::Raised);
    onlineInfo_->setAutoFillBackground(true);
    onlineInfo_->installEventFilter(this);
    auto* dateCaption = new QLabel(QStringLiteral("FILDATO:"), onlineInfo_);
    dateCaption->setObjectName(QStringLiteral("Label28"));
    dateCaption->setGeometry(6, 4, 60, 18);
    dateCaption->installEventFilter(this);
    onlineFileDate_ = new QLabel(onlineInfo_);
    onlineFileDate_->setObjectName(QStringLiteral("onlinefildato"));
    onlineFileDate_->setGeometry(66, 4, 170, 18);
    onlineFileDate_->installEventFilter(this);

    preview_ = new PreviewPanel(state_, central);
    preview_->setGeometry(200, 5, 390, kHeight - 100);
    colourPanel_ = new ColourPanel(state_, central);
    colourPanel_->move(205, 150);
}

void Tgridform::connectPanels() {
    on(topBar_, &TopBarPanel::weekChosen, [this](int i) { changeSelection([&](auto& s) { chooseGameWeek(s, i, round_); }); });
    on(topBar_, &TopBarPanel::couponTypeChosen,
       [this](int i) { changeSelection([&](auto& s) { chooseCouponType(s, i, round_); }); });
    on(topBar_, &TopBarPanel::timeBasisChosen,
       [this](int i) { changeSelection([&](auto& s) { chooseTimeBasis(s, i, round_); }); });
    on(topBar_, &TopBarPanel::stepped,
       [this](Selector selector, int step) { change([&](auto& s) { stepSelector(s, selector, step, round_); }); });
    on(topBar_, &TopBarPanel::printRequested, [this] { printCertificates(); });
    on(topBar_, &TopBarPanel::prizeRequested, [this] { togglePrizes(); });
    on(topBar_, &TopBarPanel::storeRequested, [this] { storeRows(); });

    on(shares_, &SharesPanel::sharesChosen, [this](int i) { changeSelection([&](auto& s) { chooseShares(s, i); }); });
    on(shares_, &SharesPanel::playerRequested, [this] { choosePlayer(); });

    on(stemArea_, &StemAreaPanel::stemCellPressed,
       [this](int column, int row) { change([&](auto& s) { toggleStemCell(s, column, row); }); });
    on(stemArea_, &StemAreaPanel::resetPressed, [this] { change(resetStemGrid); });
    on(stemArea_, &StemAreaPanel::todayPressed, [this] {
        change([&](auto& s) { setTodaysGameWeek(s, gameWeekOf(localToday()), workspace_, round_); });
    });
    on(stemArea_, &StemAreaPanel::couponDragStarted, [this](int row) { change([&](auto& s) { startCouponDrag(s, row); }); });
    on(stemArea_, &StemAreaPanel::couponDragMoved, [this](int row) { change([&](auto& s) { moveCouponDrag(s, row); }); });
    on(stemArea_, &StemAreaPanel::couponDragEnded, [this] { change(endCouponDrag); });

    on(iconColumn_, &IconColumnPanel::playerRequested, [this] { choosePlayer(); });
    on(iconColumn_, &IconColumnPanel::commandPanelRequested,
       [this] { change([](auto& s) { s.commandPanelVisible = true; }); });
    on(iconColumn_, &IconColumnPanel::onlineFileRequested, [this] { makeOnlineFile(); });
    on(iconColumn_, &IconColumnPanel::commandPanelClosed, [this] {
        change([](auto& s) { s.commandPanelVisible = false; });
        stemArea_->repaint();
    });
    on(iconColumn_, &IconColumnPanel::storedRowsRequested, [this] { showStorageBrowser(); });
    on(iconColumn_, &IconColumnPanel::accountsRequested, [this] { showAccounts(); });

    on(commandPanel_, &CommandPanel::certificatesRequested, [this] { printCertificates(); });
    on(commandPanel_, &CommandPanel::prizeRequested, [this] { togglePrizes(); });
    on(commandPanel_, &CommandPanel::analysisRequested, [this] { showSystemAnalysis(); });
    on(prizeBox_, &PrizeBoxPanel::closeRequested, [this] { togglePrizes(); });
    on(prizeBox_, &PrizeBoxPanel::resultCellClicked,
       [this](int column, int row) { change([&](auto& s) { clickResultCell(s, column, row); }); });
    on(prizeBox_, &PrizeBoxPanel::detailsRequested,
       [this](bool show) { change([&](auto& s) { s.prizeDetailsVisible = show; }); });
    on(commandPanel_, &CommandPanel::storeRequested, [this] { storeRows(); });
    on(bottomBar_, &BottomBarPanel::onlineFileLabelClicked,
       [this] { change([&](auto& s) { toggleOnlineFileInfo(s.online, drives_); }); });
    on(commandPanel_, &CommandPanel::previewRequested, [this] {
        change(togglePreview);
        stemArea_->repaint();
    });
    on(commandPanel_, &CommandPanel::closeRequested, [this] { change([](auto& s) { s.commandPanelVisible = false; }); });

    on(preview_, &PreviewPanel::sharesChosen,
       [this](int i) { changeSelection([&](auto& s) { chooseSharesInPreview(s, i); }); });
    on(preview_, &PreviewPanel::weekListRequested, [this] { topBar_->openList(Selector::GameWeek); });
    on(preview_, &PreviewPanel::couponTypeListRequested, [this] { topBar_->openList(Selector::CouponType); });
    on(preview_, &PreviewPanel::timeBasisListRequested, [this] { topBar_->openList(Selector::TimeBasis); });
    on(preview_, &PreviewPanel::closeRequested, [this] { change([](auto& s) { s.previewVisible = false; }); });

    on(colourPanel_, &ColourPanel::backgroundRequested, [this] { chooseColour(&WorkbenchState::couponBackground); });
    on(colourPanel_, &ColourPanel::textRequested, [this] { chooseColour(&WorkbenchState::couponText); });
    on(colourPanel_, &ColourPanel::resetRequested, [this] { change(resetCouponColours); });
    on(colourPanel_, &ColourPanel::closeRequested, [this] { change([](auto& s) { s.colourPanelVisible = false; }); });
}

void Tgridform::create() {
    // The low 32 bits of the native window id name this window to the other programs.
    // Without a window system (offscreen) the ids are only counters, so the process id
    // serves instead.
    const bool windowSystem = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                              QGuiApplication::platformName() != QLatin1String("minimal");
    std::uint32_t handle = windowSystem ? static_cast<std::uint32_t>(winId()) : 0;
    if (handle == 0) handle = static_cast<std::uint32_t>(QCoreApplication::applicationPid());
    on(listener_, &MessageListener::messageReceived, [this](const WindowMessage& message) { takeMessage(message); });
    // Another window of the program may answer under the same handle: Apulje1.tmp gets
    // the one this window listens under.
    const auto listened =
        listener_->listenUnderFreeHandle(handle, static_cast<std::uint32_t>(QCoreApplication::applicationPid()));
    runGuarded(messages_,
               [&] { createWorkbench(state_, workspace_, messages_, round_, localToday(), listened.value_or(handle)); });
    if (!listened) {
        // Said once the window is up: the start-up never waits behind a message box.
        const std::string text =
            "Kan ikke ta imot meldinger fra tippeprogrammet (" + listener_->serverName().toStdString() + ").";
        QTimer::singleShot(0, this, [this, text] { messages_.inform(text); });
    }
}

void Tgridform::attachWindows(ProgramWindows windows) {
    windows_ = windows;
    completeProgramWindows(windows_, *this, workspace_, messages_, [this] { return drives_.drive('A'); });
    windowsComplete_ = true;
    if (!storageConnected_) {
        on(windows_.storageBrowser, &Thentrekker::fetchStoredRows, [this] { loadChosenStorage(); });
        storageConnected_ = true;
    }
}

ProgramWindows& Tgridform::windows() {
    if (!windowsComplete_) attachWindows(windows_);
    return windows_;
}

void Tgridform::makeOnlineFile() {
    change([](auto& s) { s.commandPanelVisible = false; });
    windows();  // the dialog and the writer window are the program's own, children of this window
    ShownFirst messages(messages_, [this] { render(); });
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const MakeOnlineResult result = makeOnlineFileFromWindow(this, state_, workspace_, messages, voidedSerialHook(workspace_));
    giveKeyboardBack(focus);
    if (result.outcome == MakeOnlineOutcome::Made) openLedgerAfterOnlineFile(state_, workspace_, messages);
    if (result.storageFile) rememberSyndicate(pathText(result.storageFile->filename()));
    render();
    if (result.storageFile && windows_.storageBrowser) windows_.storageBrowser->listStorage(StorageSource::HardDisk);
}

void Tgridform::giveKeyboardBack(QWidget* focus) {
    QWidget* to = focus && focus->isVisible() ? focus : this;
    to->activateWindow();
    if (to != this) to->setFocus(Qt::OtherFocusReason);
}

void Tgridform::showSystemAnalysis() {
    change([](auto& s) { s.commandPanelVisible = false; });
    Tsystemanalyse& window =
        childWindow<Tsystemanalyse>(this, [](QWidget* owner) { return new Tsystemanalyse(owner); });
    window.showSystem(stemOf(state_).masks, couponsOf(state_));
    window.show();
    window.raise();
}

void Tgridform::showAccounts() {
    // The prize panel's hand-marked result is offered when a ledger's result is confirmed.
    Tandelsregnskap& window =
        showLedgerWindow(this, workspace_, messages_, state_.online.serialNumber, [this] { return prizePanelRound(state_); });
    tieLedgerWindow(window);
}

Tandelsregnskap& Tgridform::counterLedgerWindow() {
    Tandelsregnskap& window = raiseLedgerWindow(this, workspace_, messages_);
    window.setMarkedRound([this] { return prizePanelRound(state_); });
    tieLedgerWindow(window);
    return window;
}

void Tgridform::tieLedgerWindow(Tandelsregnskap& window) {
    window.setCustomerLinks(customerLinks(workspace_, messages_));
    // A scan in the ledger window opens its share there too.
    listenForShareScans(&window, workspace_, messages_, [this]() -> Tandelsregnskap& { return counterLedgerWindow(); });
}

void Tgridform::printCertificates() {
    // A syndicate whose online file was made before prints for that file, never for a new one.
    if (certificateRefusal(state_) == CertificateRefusal::NoOnlineFile && !takeEarlierOnlineFile()) return;
    // "Du må først lage onlinefil" leads on to the make command once printing has let go.
    bool makeOnlineFirst = false;
    windows();  // the printer choice and the template are the program's own, children of this window
    printCertificatesFromWindow(this, state_, workspace_, messages_, [&makeOnlineFirst] { makeOnlineFirst = true; },
                                [this] { return ledgerBuyers(state_, workspace_, messages_); });
    render();
    if (makeOnlineFirst) makeOnlineFile();
}

void Tgridform::choosePlayer() {
    Tkundekartotek& window = *windows().customerRegister;
    window.placeForChoosing(*this);
    // The agent goes on where they were when the register closes, chosen or not.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    const int answer = window.exec();
    giveKeyboardBack(focus);
    if (answer != QDialog::Accepted || !window.currentCustomer()) return;
    const CurrentCustomer& customer = *window.currentCustomer();
    change([&](auto& s) { takePlayer(s, Player{customer.firstName, customer.lastName, customer.playerNumber}); });
}

void Tgridform::storeRows() {
    change([](auto& s) { s.commandPanelVisible = false; });
    const auto stored = saveRowsCommand(state_, workspace_, messages_);
    if (!stored) return;
    rememberSyndicate(pathText(stored->filename()));
    if (windows_.storageBrowser) windows_.storageBrowser->listStorage(StorageSource::HardDisk);
}

void Tgridform::showStorageBrowser() {
    Thentrekker& browser = *windows().storageBrowser;
    browser.placeBeside(*this);
    browser.show();
    browser.raise();
}

void Tgridform::loadChosenStorage() {
    const Thentrekker& browser = *windows_.storageBrowser;
    if (loadStorageFile(browser.storagePath(), browser.chosen().fileName) &&
        browser.browser().source == StorageSource::HardDisk) {
        rememberSyndicate(browser.chosen().fileName);
    }
}

bool Tgridform::loadStorageFile(const std::filesystem::path& directory, const std::string& fileName,
                                Messages* messages) {
    const auto exists = [this](const std::string& path) { return drives_.fileExists(path); };
    bool loaded = false;
    change([&](auto& s) {
        if (!loadStoredRows(s, directory, fileName, messages ? *messages : messages_, exists).loaded) return;
        loaded = true;
        recomputeSystem(s);
        refreshGameWeek(s, round_);
        recomputePrice(s);
        recountPrizes(s);
        checkOnlineFile(s.online, drives_);  // without the file the load's own text stays
    });
    return loaded;
}

bool Tgridform::takeEarlierOnlineFile() {
    const std::vector<EarlierOnlineFile> earlier = earlierOnlineFiles(workspace_, state_, voidedSerialHook(workspace_));
    if (earlier.empty() || !messages_.show(printForEarlierFileQuestion(earlier.front()))) return true;
    const auto directory = storageDirectoryOf(StorageSource::HardDisk, workspace_, std::nullopt);
    if (!directory || !loadStorageFile(*directory, earlier.front().storageFile)) return false;
    rememberSyndicate(earlier.front().storageFile);
    return true;
}

void Tgridform::rememberSyndicate(const std::string& fileName) { settings_.setString(kSisteAndelslag, fileName); }

void Tgridform::reopenLastSyndicate() {
    runGuarded(messages_, [this] {
        const SettingValue last = settings_.getString(kSisteAndelslag);
        if (!last.found) return;
        const auto directory = storageDirectoryOf(StorageSource::HardDisk, workspace_, std::nullopt);
        const std::string name = trimBlanks(last.value);
        // A syndicate deleted since is simply not shown: the start-up goes on as new.
        if (!directory || !fileExists(*directory / std::filesystem::path(std::u8string(name.begin(), name.end())))) return;
        // The start-up never waits behind a message box: what the load says comes once the
        // window is up.
        auto later = std::make_shared<LaterMessages>();
        loadStorageFile(*directory, name, later.get());
        QTimer::singleShot(0, this, [this, later] {
            for (const Message& message : later->kept) messages_.show(message);
        });
    });
}

void Tgridform::takeMessage(const WindowMessage& message) {
    if (message.number == static_cast<std::uint32_t>(WindowMessageId::TakeRegisterCustomer)) {
        const Tkundekartotek* customerRegister = windows_.customerRegister;
        if (!customerRegister || !customerRegister->currentCustomer()) return;
        const CurrentCustomer& customer = *customerRegister->currentCustomer();
        repaint();
        change([&](auto& s) { takePlayer(s, Player{customer.firstName, customer.lastName, customer.playerNumber}); });
        return;
    }
    if (message.number != static_cast<std::uint32_t>(WindowMessageId::ShowOrClose)) return;
    if (bringsToFront(message)) {
        showNormal();
        raise();
        activateWindow();
    } else {
        close();
    }
}

bool Tgridform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == onlineInfo_ || watched == onlineFileDate_ || watched->objectName() == QLatin1String("Label28"))) {
        guarded([this] { change([](auto& s) { hideOnlineFileInfo(s.online); }); })();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tgridform::closeEvent(QCloseEvent* event) {
    guarded([this] { closeWorkbench(state_, workspace_, messages_); })();
    // The program ends with its main window: no window of it stays behind.
    for (QWidget* window : findChildren<QWidget*>()) {
        if (window->isWindow() && window->isVisible()) window->close();
    }
    QMainWindow::closeEvent(event);
    emit programClosed();
}

void Tgridform::togglePrizes() {
    change([&](auto& s) { togglePrizePanel(s, workspace_, messages_); });
    repaint();
}

void Tgridform::focusWeekDisplay() {
    if (auto* display = stemArea_->findChild<QLabel*>(QStringLiteral("vistippeomgang"))) display->setFocus();
}

ColourAnswer systemColourDialog(const QColor& initial, QWidget* parent) {
    if (!QGuiApplication::primaryScreen()) return {ColourAnswer::Kind::Failed, {}};
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return {ColourAnswer::Kind::Cancelled, {}};
    return {ColourAnswer::Kind::Chosen, chosen};
}

void Tgridform::chooseColour(std::uint32_t WorkbenchState::*colour) {
    const ColourAnswer answer = colourDialog_(toQColor(state_.*colour), this);
    if (answer.kind == ColourAnswer::Kind::Failed) messages_.inform(kColourDialogFailedMessage);
    if (answer.kind == ColourAnswer::Kind::Chosen) change([&](auto& s) { s.*colour = fromQColor(answer.colour); });
}

void Tgridform::render() {
    topBar_->render();
    shares_->render();
    stemArea_->render();
    systemPanel_->render(state_);
    systemPanel_->setVisible(!state_.prizePanelOpen);
    prizeBox_->setVisible(state_.prizePanelOpen);
    if (state_.prizePanelOpen) prizeBox_->render();
    bottomBar_->render();
    iconColumn_->setPlayable(state_.commandsEnabled);
    commandPanel_->setPlayable(state_.commandsEnabled);
    commandPanel_->setVisible(state_.commandPanelVisible);
    if (state_.commandPanelVisible) commandPanel_->raise();
    onlineInfo_->setVisible(state_.online.infoPanelVisible);
    setLabelText(*onlineFileDate_, state_.online.date);
    if (state_.previewVisible) {
        preview_->render();
        preview_->raise();
    }
    preview_->setVisible(state_.previewVisible);
    colourPanel_->render();
    colourPanel_->setVisible(state_.colourPanelVisible);
    if (state_.colourPanelVisible) colourPanel_->raise();
}

}  // namespace andel
