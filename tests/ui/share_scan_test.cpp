// At the counter by scanner and keyboard alone: a certificate's code typed at a scanner's
// speed anywhere in the main window opens its share in the ledger window with the next step
// ready; one key pays (or pays out), and the slip goes to the receipt printer with the drawer
// pulse. Codes that name no share, or a voided syndicate's, are said so; keys typed at a
// person's speed reach the window as they always did.
#include "accounts/ledger_window.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "main_window/main_window.h"
#include "model/share_code.h"
#include "printing/escpos.h"
#include "settings/settings_store.h"
#include "support/fake_printer.h"
#include "support/recording_messages.h"
#include "widgets/scanner_listener.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using andel::Tandelsregnskap;
using andel::Tgridform;
using andel::Workspace;

namespace {

const andel::GameWeek kWeek{50, 2026, {}};

// The keys that reach a widget, after the scanner's listener has had them.
class KeyCount : public QObject {
public:
    explicit KeyCount(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    QString typed;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) typed += static_cast<QKeyEvent*>(event)->text();
        return false;
    }
};

andel::SyndicateFacts syndicate() {
    andel::SyndicateFacts facts;
    facts.serialNumber = "1042";
    facts.week = kWeek;
    facts.rows = 1;
    facts.shares = 3;
    facts.pricePerShare = 146;
    facts.stake = 438;
    facts.onlineFile = "C:\\NTFILE\\KRYSSEN_1_Rekker_KARI_NORDMANN.NTF";
    const andel::SignMask signs[] = {andel::kHome, andel::kDraw, andel::kAway};
    for (int m = 0; m < andel::kMatches; ++m) facts.coupons[0].masks[m] = signs[m % 3];
    return facts;
}

}  // namespace

class ShareScanTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    andel::test::RecordingMessages messages_;
    std::unique_ptr<andel::test::FakePrinter> printer_;
    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    andel::Clerk clerk() const { return {"BG 123 456 789", andel::todayLedgerDate()}; }

    std::string books(const std::function<std::string(andel::Journal&, const andel::Clerk&)>& command) {
        andel::Journal journal(workspace());
        return command(journal, clerk());
    }
    andel::Ledger ledger() {
        andel::Journal journal(workspace());
        return *journal.read([&] { return journal.ledger("1042"); });
    }
    static std::string code(int share) { return andel::shareCodeText("1042", share, kWeek); }

    // The code typed as a scanner types it, into whatever has the keyboard, and Enter: Shift
    // pressed and let go around each capital letter, as a keyboard does.
    static void scan(const std::string& text, int delay = 3) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        for (const char c : text) {
            const bool capital = c >= 'A' && c <= 'Z';
            if (capital) QTest::keyPress(focus, Qt::Key_Shift, Qt::NoModifier, delay);
            QTest::keyClick(focus, c, capital ? Qt::ShiftModifier : Qt::NoModifier, delay);
            if (capital) QTest::keyRelease(focus, Qt::Key_Shift, Qt::ShiftModifier);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::NoModifier, delay);
    }
    static Tandelsregnskap* ledgerWindow(QWidget& main) {
        auto* window = main.findChild<Tandelsregnskap*>();
        return window && window->isVisible() ? window : nullptr;
    }
    QString shown() const { return messages_.shown.empty() ? QString() : QString::fromStdString(messages_.shown.back().text); }

    // The main window up, with the keyboard in the stem grid.
    std::unique_ptr<Tgridform> mainWindow() {
        auto window = std::make_unique<Tgridform>(workspace(), &messages_);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
        QWidget* stem = window->findChild<QWidget*>(QStringLiteral("StringGrid1"));
        stem->setFocus();
        if (!QTest::qWaitFor([stem] { return QApplication::focusWidget() == stem; })) return nullptr;
        return window;
    }

private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        messages_.shown.clear();
        printer_ = std::make_unique<andel::test::FakePrinter>();
        andel::SettingsStore settings = andel::mainStore(workspace(), messages_);
        QVERIFY(settings.setString(andel::kKvitteringsskriverRaa, "127.0.0.1:" + std::to_string(printer_->port())));
        QCOMPARE(books([](andel::Journal& j, const andel::Clerk& c) {
                     return andel::openLedgerInBooks(j, c, syndicate()).opening == andel::LedgerOpening::Created ? "" : "no";
                 }),
                 std::string());
        QCOMPARE(books([](andel::Journal& j, const andel::Clerk& c) {
                     return andel::setBuyerInBooks(j, c, "1042", 2, {"Åse Ødegård", "91234567", std::nullopt, std::nullopt});
                 }),
                 std::string());
    }

    // Scanned into the stem grid, which takes 1, X and 2 as signs: the grid stays as it was.
    void aScanOpensTheShareAndOneKeyPaysAndPrints() {
        const auto main = mainWindow();
        QVERIFY(main);
        Tgridform& window = *main;
        const auto grid = window.state().stemGrid;
        KeyCount reached(QApplication::focusWidget());

        scan(code(2));
        QTRY_VERIFY(ledgerWindow(window));
        Tandelsregnskap* accounts = ledgerWindow(window);
        QCOMPARE(window.state().stemGrid, grid);
        QCOMPARE(reached.typed, QString());
        QCOMPARE(accounts->ledger()->facts.serialNumber, std::string("1042"));
        auto* table = accounts->findChild<QTableWidget*>();
        QCOMPARE(table->currentRow(), 1);
        auto* pay = accounts->findChild<QPushButton*>(QStringLiteral("merkbetalt"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pay));
        QVERIFY(pay->isDefault());
        QVERIFY2(messages_.shown.empty(), qPrintable(shown()));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(ledger().entries[1].paid, std::optional<std::int64_t>(146));
        const std::string job = printer_->nextJob();
        QVERIFY(job.find(andel::toCodePage865("Åse Ødegård")) != std::string::npos);
        QVERIFY(job.find(std::string(andel::kEscposPulse, sizeof andel::kEscposPulse - 1)) != std::string::npos);
        QVERIFY(job.find(code(2)) != std::string::npos);
        QVERIFY(!pay->isDefault());  // the next Enter pays nothing more
        QVERIFY2(messages_.shown.empty(), qPrintable(shown()));

        // Scanned again in the ledger window, after the result is confirmed: the payout is next.
        QCOMPARE(books([](andel::Journal& j, const andel::Clerk& c) {
                     return andel::confirmInBooks(j, c, "1042",
                                                  {c.today, andel::ConfirmedRound{"1X21X21X21X2", 3000, 0, 0}, std::nullopt});
                 }),
                 std::string());
        accounts->activateWindow();
        table->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(table));
        scan(code(2));
        auto* payout = accounts->findChild<QPushButton*>(QStringLiteral("merkutbetalt"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(payout));
        QTest::keyClick(payout, Qt::Key_Return);
        QVERIFY2(messages_.shown.empty(), qPrintable(shown()));
        QCOMPARE(ledger().entries[1].paidOut, std::optional<std::int64_t>(1000));
        const std::string slip = printer_->nextJob();
        QVERIFY(slip.find("UTBETALING AV GEVINST") != std::string::npos);
        QVERIFY(slip.find("kr 1.000") != std::string::npos);
        QVERIFY(slip.find(std::string(andel::kEscposPulse, sizeof andel::kEscposPulse - 1)) != std::string::npos);
    }

    void codesThatNameNoShareAreSaidSo_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("says");
        std::string typo = code(2);
        typo[8] = typo[8] == '2' ? '3' : '2';
        QTest::newRow("mistyped") << QString::fromStdString(typo) << QStringLiteral("kontrollsifrene passer ikke");
        QTest::newRow("unknown serial") << QString::fromStdString(andel::shareCodeText("7777", 1, kWeek))
                                        << QStringLiteral("serienummer 7777 har ikke noe andelsregnskap");
        QTest::newRow("no such share") << QString::fromStdString(code(9)) << QStringLiteral("har 3 andeler: andel 9 finnes ikke");
    }
    void codesThatNameNoShareAreSaidSo() {
        QFETCH(QString, typed);
        QFETCH(QString, says);
        const auto main = mainWindow();
        QVERIFY(main);
        Tgridform& window = *main;
        scan(typed.toStdString());
        QTRY_COMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY2(shown().contains(says), qPrintable(shown()));
        QVERIFY(!ledgerWindow(window));
    }

    void aVoidedSyndicatesShareIsShownAndSaidVoided() {
        QCOMPARE(books([](andel::Journal& j, const andel::Clerk& c) { return andel::voidInBooks(j, c, "1042", "Laget på nytt"); }),
                 std::string());
        const auto main = mainWindow();
        QVERIFY(main);
        Tgridform& window = *main;
        scan(code(2));
        QTRY_VERIFY(ledgerWindow(window));
        QTRY_VERIFY(shown().contains(QStringLiteral("er annullert")));
        QVERIFY(!ledgerWindow(window)->findChild<QPushButton*>(QStringLiteral("merkbetalt"))->isDefault());
    }

    // Typed by a person, a code's keys reach the window as keys: no ledger opens.
    void keysAtAPersonsSpeedAreNoScan() {
        const auto main = mainWindow();
        QVERIFY(main);
        Tgridform& window = *main;
        KeyCount reached(QApplication::focusWidget());
        scan(code(2), 2 * andel::ScannerListener::kScannerGapMs);
        QTest::qWait(2 * andel::ScannerListener::kScannerGapMs);
        QVERIFY(!ledgerWindow(window));
        QVERIFY(messages_.shown.empty());
        QCOMPARE(reached.typed, QString::fromStdString(code(2)) + QLatin1Char('\r'));  // every key, in order
    }
};

QTEST_MAIN(ShareScanTest)
#include "share_scan_test.moc"
