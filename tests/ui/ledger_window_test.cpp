// The ledger window as the agent uses it: a buyer picked from the customer register with
// its search, payments marked by the buttons and the keyboard, the totals following, the
// money rules' refusals, undo with its question, the result confirmed in its dialog,
// voiding, another program writing meanwhile, and the way in from the main window.
#include "books/ledger_edit.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "books/ledger_store.h"
#include "support/put_ledgers.h"
#include "accounts/ledger_window.h"
#include "accounts/sale_deadline.h"
#include "customers/customer_account_window.h"
#include "accounts/season_window.h"
#include "accounts/share_table_panel.h"
#include "main_window/main_window.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "platform/message_box_dialog.h"
#include "register/register_file.h"
#include "register/register_window.h"
#include "results/pools_history.h"
#include "support/modal_answer.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <functional>

using namespace andel;
using Column = ShareTablePanel;

namespace {

// What Qt says when a table is rebuilt under an open cell editor: the editor and what was
// typed in it are lost. Every test of this window fails on it.
QStringList editorWarnings;
QtMessageHandler qtHandler = nullptr;
void catchEditorWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QStringLiteral("closeEditor"))) editorWarnings << text;
    qtHandler(type, context, text);
}

}  // namespace

class LedgerWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> directory_;
    test::RecordingMessages messages_;
    std::unique_ptr<Tandelsregnskap> window_;

    Workspace workspace() const { return Workspace(directory_->path().toStdString()); }
    template <class T = QWidget>
    T* child(QObject* parent, const char* name) const {
        T* found = parent->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no child %s", name);
        return found;
    }
    ShareTablePanel* shares() const { return child<ShareTablePanel>(window_.get(), "andeler"); }
    QString total(const char* name) const { return child<QLabel>(window_.get(), name)->text(); }
    QString cell(int row, int column) const { return shares()->item(row, column)->text(); }
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(window_.get(), button), Qt::LeftButton); }
    void clickRow(QTableWidget* table, int row, int column = 1) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(row, column)).center());
    }
    Ledger stored() const { return *findLedger(workspace(), "1042"); }
    // The editor of the cell being typed in (the editors of earlier cells may linger hidden).
    QLineEdit* cellEditor() const {
        for (QLineEdit* editor : shares()->viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible()) return editor;
        }
        return nullptr;
    }
    QStringList warnings() const { return child<QLabel>(window_.get(), "advarsel")->text().split(QLatin1Char('\n')); }
    // Keys as the agent presses them: each to the widget that has the keyboard, the cell's
    // editor once a key has opened it.
    void press(const QString& keys) {
        for (QChar key : keys) QTest::keyClicks(cellEditor() ? static_cast<QWidget*>(cellEditor()) : shares(), QString(key));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(cellEditor() ? static_cast<QWidget*>(cellEditor()) : shares(), key, modifiers);
    }
    // Types the text into the cell and commits it with Return (the commit is queued).
    void typeIntoCell(int row, int column, const QString& typed) {
        shares()->setFocus();
        shares()->setCurrentCell(row, column);
        press(typed);
        QVERIFY(cellEditor());
        press(Qt::Key_Return);
        QTRY_VERIFY(!cellEditor());
    }
    QPoint currentCell() const { return {shares()->currentRow(), shares()->currentColumn()}; }

    // Share 1 sold to Kari and paid, share 2 unsold, share 3 sold to Ola and not paid.
    static Ledger sold() {
        Ledger ledger = emptyLedger(facts());
        ledger.entries[0].name = "Kari Nordmann";
        ledger.entries[0].paid = 972;
        ledger.entries[0].paidOn = LedgerDate{1, 12, 2026};
        ledger.entries[2].name = "Ola";
        return ledger;
    }
    // The same with the result confirmed (100.000 kr, 33.333 kr a share) and share 1 paid out.
    static Ledger paidOut() {
        Ledger ledger = sold();
        ledger.confirmed = ConfirmedResult{{3, 12, 2026}, {"1X21X21X21X2", 100000, 0, 0}, std::nullopt};
        ledger.entries[0].paidOut = 33333;
        ledger.entries[0].paidOutOn = LedgerDate{3, 12, 2026};
        return ledger;
    }
    // Puts the ledger as it is given into books made anew and shows it.
    void put(const Ledger& ledger) {
        test::putLedger(workspace(), ledger);
        window_->reload("1042");
    }
    // What the books hold: every event, so a refusal can be seen to have recorded nothing.
    std::string booksState() const {
        Journal journal(workspace());
        return journal.read([&] {
            std::string all;
            for (const BookEvent& e : journal.allEvents()) all += std::to_string(e.id) + " ";
            return all;
        });
    }
    // Another program's change of the books, through the same rules.
    static std::string elsewhere(const Workspace& workspace, const std::function<std::string(Journal&, const Clerk&)>& change) {
        Journal journal(workspace);
        return change(journal, clerkOf(workspace));
    }

    static SyndicateFacts facts() {
        SyndicateFacts f;
        f.serialNumber = "1042";
        f.week = {49, 2026, {}};
        f.rows = 2916;
        f.stake = 2916;
        f.shares = 3;
        f.pricePerShare = 972;
        const SignMask signs[] = {kHome, kDraw, kAway};
        for (int m = 0; m < kMatches; ++m) f.coupons[0].masks[m] = signs[m % 3];
        return f;
    }
    void writeResult(const char* signs = "1X21X21X21X2", std::int32_t prize12 = 100000) const {
        StatisticsRecord record;
        record.week = 49;
        record.year = 2026;
        record.resultText = signs;
        record.prize12 = prize12;
        std::ofstream(directory_->filePath("tippehistorikk/lf.txt").toStdString(), std::ios::binary)
            << formatHistoryLine(record) << "\r\n";
    }

private slots:
    void initTestCase() { qtHandler = qInstallMessageHandler(catchEditorWarnings); }
    void cleanup() {
        const QStringList seen = std::exchange(editorWarnings, {});
        QVERIFY2(seen.isEmpty(), qPrintable(seen.join(QLatin1Char('\n'))));
    }

    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        QDir(directory_->path()).mkdir(QStringLiteral("tippehistorikk"));
        messages_.shown.clear();
        messages_.answer = true;
        Tkunderec kari;
        kari.firstName = "Kari";
        kari.lastName = "Nordmann";
        kari.playerNumber = 123456789;
        kari.telephone1 = 22334455;
        Tkunderec per;
        per.firstName = "Per";
        per.lastName = "Aas";
        for (const Tkunderec& c : {per, kari}) appendCustomer(workspace(), c, messages_);
        test::putLedger(workspace(), emptyLedger(facts()));
        window_ = std::make_unique<Tandelsregnskap>(workspace(), messages_);
        window_->reload();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void pickBuyerFromTheRegisterAndMarkPaid() {
        QCOMPARE(child<QComboBox>(window_.get(), "regnskapvalg")->currentText(),
                 QString::fromUtf8("1042   UKE 49 -2026   LØRDAG ORDINÆR   Åpen"));
        QCOMPARE(child<QLabel>(window_.get(), "resultat")->text(),
                 QStringLiteral("Resultat ikke klart (tippehistorikken har ikke rundens resultat ennå)"));
        QCOMPARE(total("solgte"), QStringLiteral("0 av 3"));
        clickRow(shares(), 1);

        // The register opens to choose: search for the surname, then click the found row.
        test::ModalAnswer chooseKari("andel::Tkundekartotek", [&](QWidget* reg) {
            QTest::keyClicks(child<QLineEdit>(reg, "sokefelt"), QStringLiteral("nord"));
            auto* table = child<QTableWidget>(reg, "kundetabell");
            clickRow(table, table->currentRow());
        });
        click("velgkjoper");
        QVERIFY2(chooseKari.result().empty(), chooseKari.result().c_str());
        QCOMPARE(cell(1, Column::Name), QStringLiteral("Kari Nordmann"));
        QCOMPARE(cell(1, Column::Telephone), QStringLiteral("223-34455"));
        QCOMPARE(cell(1, Column::PlayerNumber), QStringLiteral("123 456 789"));
        QCOMPARE(stored().entries[1].name, std::string("Kari Nordmann"));
        QCOMPARE(total("solgte"), QStringLiteral("1 av 3"));
        QCOMPARE(total("utestaende"), QStringLiteral("kr 972"));

        click("merkbetalt");
        QCOMPARE(cell(1, Column::Paid), QStringLiteral("972"));
        QCOMPARE(cell(1, Column::PaidOn), QString::fromStdString(ledgerDateText(todayLedgerDate())));
        QCOMPARE(total("innbetalt"), QStringLiteral("kr 972"));
        QCOMPARE(total("utestaende"), QStringLiteral("kr 0"));
        QVERIFY(stored().entries[1].paid == 972);

        // Down arrow to share 3, type its buyer's name in place, mark it paid too.
        shares()->setFocus();
        QTest::keyClick(shares(), Qt::Key_Down);
        QCOMPARE(shares()->currentRow(), 2);
        QTest::keyClick(shares(), 'O', Qt::ShiftModifier);  // starts editing the name cell
        QLineEdit* editor = cellEditor();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("la"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(QString::fromStdString(stored().entries[2].name), QStringLiteral("Ola"));  // committed queued
        click("merkbetalt");
        QCOMPARE(total("innbetalt"), QStringLiteral("kr 1.944"));
        QCOMPARE(total("solgte"), QStringLiteral("2 av 3"));
        QVERIFY(messages_.shown.empty());
    }

    // Every refusal of the money rules reaches the agent as a message, and the ledger
    // file stays as it was.
    void refusalsAreShownAndChangeNothing() {
        const struct {
            const char* what;
            bool confirmed;
            int row;
            const char* button;
            std::string message;
        } cases[] = {
            {"payment for a share with no buyer", false, 1, "merkbetalt",
             "Andel 2 har ingen kjøper: velg kjøperen før andelen merkes betalt."},
            {"second payment", false, 0, "merkbetalt", "Andel 1 ble betalt 01.12.2026, kr 972."},
            {"payout before the result is final", false, 0, "merkutbetalt", std::string(kPayoutBeforeConfirmed)},
            {"undo of a payment never made", false, 2, "angrebetalt", "Andel 3 er ikke merket betalt; ingenting å angre."},
            {"payout to a share with no buyer", true, 1, "merkutbetalt",
             "Andel 2 har ingen kjøper: ingen gevinst skal utbetales."},
            {"payout to an unpaid share", true, 2, "merkutbetalt",
             "Andel 3 er ikke betalt fullt ut (kr 0 av kr 972): bare en fullt betalt andel får gevinsten utbetalt."},
            {"second payout", true, 0, "merkutbetalt", "Andel 1 ble utbetalt 03.12.2026, kr 33.333"},
        };
        for (const auto& c : cases) {
            put(c.confirmed ? paidOut() : sold());
            const std::string before = booksState();
            messages_.shown.clear();
            clickRow(shares(), c.row);
            click(c.button);
            QVERIFY2(messages_.shown.size() == 1, c.what);
            QCOMPARE(messages_.shown[0].text, c.message);
            QVERIFY2(booksState() == before, c.what);
            QVERIFY2(*window_->ledger() == stored(), c.what);
        }
    }

    // "Angre betaling..." and "Angre utbetaling..." ask first; Nei leaves everything, Ja
    // clears the amount and its date and leaves a history line with the old amount.
    void undoAsksFirstAndLeavesAHistoryLine() {
        const struct {
            const char* button;
            int column;
            std::string question, history;
        } cases[] = {
            {"angrebetalt", Column::Paid, "Angre betalingen av andel 3 (kr 972, 02.12.2026)?",
             "Angret: Betaling kontant for andel 3: kr 972 (02.12.2026): Angret betaling i andelsregnskapet"},
            {"angreutbetalt", Column::PaidOut, "Angre utbetalingen av andel 1 (kr 33.333, 03.12.2026)?",
             "Angret: Utbetaling kontant for andel 1: kr 33.333 (03.12.2026): Angret utbetaling i andelsregnskapet"},
        };
        for (const auto& c : cases) {
            for (const bool yes : {false, true}) {
                Ledger ledger = paidOut();
                ledger.entries[2].paid = 972;
                ledger.entries[2].paidOn = LedgerDate{2, 12, 2026};
                put(ledger);
                const int row = std::string(c.button) == "angrebetalt" ? 2 : 0;
                const std::string before = booksState();
                messages_.shown.clear();
                messages_.answer = yes;
                auto* history = child<QListWidget>(window_.get(), "historikk");
                const int lines = history->count();
                clickRow(shares(), row);
                click(c.button);
                QCOMPARE(messages_.shown.size(), std::size_t{1});
                QCOMPARE(messages_.shown[0].buttons, MessageButtons::YesNo);
                QVERIFY2(messages_.shown[0].text.starts_with(c.question), messages_.shown[0].text.c_str());
                if (!yes) {
                    QCOMPARE(booksState(), before);
                    QVERIFY(!cell(row, c.column).isEmpty());
                    QCOMPARE(history->count(), lines);
                    continue;
                }
                QVERIFY(cell(row, c.column).isEmpty());
                QVERIFY(cell(row, c.column + 1).isEmpty());
                QCOMPARE(history->count(), lines + 1);
                QCOMPARE(history->item(lines)->text(),
                         QString::fromStdString(ledgerDateText(todayLedgerDate()) + "  " + c.history));
                QCOMPARE(stored().history.size(), std::size_t(lines + 1));
            }
        }
    }

    // The result is confirmed through the real dialog, filled in by the keyboard; payouts
    // are allowed from then on, and a later change of the pools history is shown beside
    // the confirmed result without moving a figure.
    void aConfirmedResultAllowsPayoutsAndStandsAgainstTheHistory() {
        writeResult();
        put(sold());
        QCOMPARE(total("premie"), QStringLiteral("kr 100.000 (foreløpig)"));
        // Each sold share's part of the prize, said to be a forecast until it is confirmed.
        const auto winningsHeading = [&] { return shares()->horizontalHeaderItem(Column::Winnings)->text(); };
        QCOMPARE(winningsHeading(), QStringLiteral("Gevinst (foreløpig)"));
        const QStringList forecast = {cell(0, Column::Winnings), cell(1, Column::Winnings), cell(2, Column::Winnings)};
        QCOMPARE(forecast, (QStringList{QStringLiteral("33.333"), QString(), QStringLiteral("33.333")}));
        clickRow(shares(), 0);
        test::ModalAnswer confirm("andel::Tgodkjennresultat", [&](QWidget* dialog) {
            const std::pair<const char*, QString> typed[] = {{"resultat", QStringLiteral("1x21x21x21x2")},
                                                             {"p12", QStringLiteral("100.000")},
                                                             {"p11", QStringLiteral("0")}};
            QCOMPARE(child<QLineEdit>(dialog, "p12")->text(), QStringLiteral("100.000"));  // as the history gives it
            for (const auto& [name, text] : typed) {
                auto* field = child<QLineEdit>(dialog, name);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, text);
            }
            QTest::mouseClick(child<QPushButton>(dialog, "godkjenn"), Qt::LeftButton);
        });
        click("godkjennresultat");
        QVERIFY2(confirm.result().empty(), confirm.result().c_str());
        QVERIFY(messages_.shown.empty());
        QVERIFY(stored().confirmed);
        QCOMPARE(stored().confirmed->fullTime, (ConfirmedRound{"1X21X21X21X2", 100000, 0, 0}));
        QVERIFY(child<QLabel>(window_.get(), "resultat")->text().startsWith(QStringLiteral("Resultat godkjent")));
        QCOMPARE(winningsHeading(), QStringLiteral("Gevinst"));
        QCOMPARE(cell(2, Column::Winnings), QStringLiteral("33.333"));

        click("merkutbetalt");
        QVERIFY(messages_.shown.empty());
        QCOMPARE(cell(0, Column::PaidOut), QStringLiteral("33.333"));
        QCOMPARE(total("tilutbetaling"), QStringLiteral("kr 0"));  // share 3 is not paid: it wins nothing to pay out
        QCOMPARE(warnings(), QStringList{QString()});

        // The history is corrected afterwards: the warning names it, the figures stay.
        writeResult("1X21X21X21X1", 0);
        window_->reload();
        QCOMPARE(warnings().size(), 1);
        QVERIFY2(warnings()[0].startsWith(QStringLiteral("Tippehistorikken viser nå")) &&
                     warnings()[0].contains(QStringLiteral("1X21X21X21X1")),
                 qPrintable(warnings()[0]));
        QCOMPARE(total("premie"), QStringLiteral("kr 100.000"));
        QCOMPARE(total("utbetalt"), QStringLiteral("kr 33.333"));
        QCOMPARE(cell(0, Column::PaidOut), QStringLiteral("33.333"));
    }

    // The confirmed prize lowered after a payout: the overpayment is shown in red.
    void aLowerConfirmedPrizeShowsTheOverpaymentInRed() {
        writeResult();
        put(paidOut());
        QCOMPARE(warnings(), QStringList{QString()});
        test::ModalAnswer lower("andel::Tgodkjennresultat", [&](QWidget* dialog) {
            auto* p12 = child<QLineEdit>(dialog, "p12");
            QCOMPARE(p12->text(), QStringLiteral("100.000"));  // offered as it was confirmed
            p12->setFocus();
            QTest::keyClick(p12, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(p12, QStringLiteral("30000"));
            QTest::mouseClick(child<QPushButton>(dialog, "godkjenn"), Qt::LeftButton);
        });
        click("godkjennresultat");
        QVERIFY2(lower.result().empty(), lower.result().c_str());
        QCOMPARE(stored().confirmed->fullTime.prize12, std::int64_t{30000});
        auto* warning = child<QLabel>(window_.get(), "advarsel");
        QVERIFY2(warnings().contains(QStringLiteral("Utbetalt kr 23.333 mer enn premien.")), qPrintable(warning->text()));
        QVERIFY(warning->styleSheet().contains(QStringLiteral("#c00000")));
        QVERIFY(child<QLabel>(window_.get(), "utbetalt")->styleSheet().contains(QStringLiteral("#c00000")));
        QCOMPARE(total("tilutbetaling"), QStringLiteral("kr 0"));  // share 1 got too much; share 3 is not paid
    }

    // "Annuller andelslaget..." with a reason: the change buttons go dead and the season
    // counts the other syndicate only.
    void aVoidedLedgerCannotChangeAndTheSeasonLeavesItOut() {
        SyndicateFacts other = facts();
        other.serialNumber = "1043";
        other.player = "Per Aas";
        test::putLedgers(workspace(), {emptyLedger(other), sold()});
        window_->reload("1042");
        test::ModalAnswer reason("QDialog", [&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("annullergrunn"));
            QTest::keyClicks(child<QLineEdit>(dialog, "grunn"), QStringLiteral("Feil spillenummer"));
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("Annuller andelslaget")) QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        click("annuller");
        QVERIFY2(reason.result().empty(), reason.result().c_str());
        QVERIFY(messages_.shown.empty());
        QVERIFY(stored().voided);
        QCOMPARE(stored().voided->reason, std::string("Feil spillenummer"));
        QCOMPARE(window_->ledger()->facts.serialNumber, std::string("1042"));
        for (const char* button : {"velgkjoper", "merkbetalt", "angrebetalt", "merkutbetalt", "angreutbetalt",
                                   "godkjennresultat", "annuller"}) {
            QVERIFY2(!child<QPushButton>(window_.get(), button)->isEnabled(), button);
        }
        QVERIFY(child<QLabel>(window_.get(), "advarsel")->text().startsWith(QStringLiteral("ANNULLERT")));
        QVERIFY(child<QComboBox>(window_.get(), "regnskapvalg")->currentText().endsWith(QStringLiteral("Annullert")));

        click("sesong");
        auto* season = window_->findChild<Tsesong*>();
        QVERIFY(season && season->isVisible());
        QCOMPARE(season->season().rows.size(), std::size_t{1});
        QCOMPARE(season->season().rows[0].serialNumber, std::string("1043"));
    }

    // Another program changes the ledger while the window shows it: the window's next
    // change is not made on what it showed; a message names the other change, which is
    // kept, and the window shows the books as they stand, so the agent's next click is
    // made on them. The other program is the command-line tool, or any caller of the core.
    void aChangeMadeElsewhereMeanwhileIsKeptAndNamed() {
        const std::vector<std::pair<const char*, std::function<void()>>> writers = {
            {"the tool",
             [&] {
                 const QString dir = directory_->path();
                 for (const QStringList& arguments :
                      {QStringList{"--dir", dir, "ledger", "set", "1042", "2", "--navn", "Per Aas"},
                       QStringList{"--dir", dir, "ledger", "pay", "1042", "2", "--dato", "04.12.2026"}}) {
                     QProcess tool;
                     tool.start(QStringLiteral(ANDELSTIPP_CLI), arguments);
                     QVERIFY(tool.waitForFinished(20000));
                     QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
                 }
             }},
            {"another program",
             [&] {
                 QCOMPARE(elsewhere(workspace(), [](Journal& j, const Clerk& c) {
                              return setBuyerInBooks(j, c, "1042", 2, {.name = "Per Aas"});
                          }),
                          std::string());
                 QCOMPARE(elsewhere(workspace(), [](Journal& j, const Clerk& c) {
                              return payInBooks(j, c, "1042", 2, std::nullopt, LedgerDate{4, 12, 2026});
                          }),
                          std::string());
             }},
        };
        for (const auto& [who, write] : writers) {
            put(sold());
            messages_.shown.clear();
            write();
            clickRow(shares(), 2);
            click("merkbetalt");
            QVERIFY2(messages_.shown.size() == 1, who);
            const std::string& told = messages_.shown[0].text;
            QVERIFY2(told.starts_with("Andelsregnskapet ble endret i et annet program"), told.c_str());
            QVERIFY2(told.find("Andel 2") != std::string::npos, told.c_str());
            QVERIFY2(told.find("Endringen din ble ikke gjort") != std::string::npos, told.c_str());
            QVERIFY2(!stored().entries[2].paid, who);
            clickRow(shares(), 2);
            click("merkbetalt");
            QVERIFY2(messages_.shown.size() == 1, who);
            const Ledger now = stored();
            QCOMPARE(now.entries[1].name, std::string("Per Aas"));
            QVERIFY2(now.entries[1].paid == 972 && now.entries[1].paidOn == (LedgerDate{4, 12, 2026}), who);
            QVERIFY2(now.entries[2].paid == 972, who);
            QCOMPARE(cell(1, Column::Name), QStringLiteral("Per Aas"));
            QCOMPARE(cell(1, Column::Paid), QStringLiteral("972"));
        }
    }

    // Typing in a cell stops at the field's length, so what is typed can always be saved.
    void typingStopsAtTheFieldsLength() {
        const struct {
            int column;
            std::size_t length;
            std::string ShareEntry::*field;
        } fields[] = {{Column::Name, kNameLength, &ShareEntry::name},
                      {Column::Telephone, kTelephoneLength, &ShareEntry::telephone},
                      {Column::PlayerNumber, kPlayerNumberLength, &ShareEntry::playerNumber},
                      {Column::Note, kNoteLength, &ShareEntry::note}};
        for (const auto& f : fields) {
            shares()->setFocus();
            shares()->setCurrentCell(0, f.column);
            QTest::keyClick(shares(), Qt::Key_A);  // starts editing the cell
            QLineEdit* editor = cellEditor();
            QVERIFY(editor);
            QTest::keyClicks(editor, QString(100, QLatin1Char('b')));
            QTest::keyClick(editor, Qt::Key_Return);
            const std::string typed = "a" + std::string(f.length - 1, 'b');
            QTRY_COMPARE(stored().entries[0].*f.field, typed);
            QCOMPARE(cell(0, f.column), QString::fromStdString(typed));
        }
        QVERIFY(messages_.shown.empty());
    }

    // A buyer written at the counter without the mouse: the name, Tab, the telephone,
    // Return. Both are kept, no button is pressed, and Return goes on to the next share.
    // Tab and Shift+Tab walk the typed cells of one share and leave the table after its
    // last (or before its first): the keyboard never has to walk every share to get out.
    void aBuyerIsTypedCellByCellFromTheKeyboard() {
        int picked = 0, pressed = 0;
        window_->setCustomerPicker([&]() -> std::optional<Tkunderec> {
            ++picked;
            return std::nullopt;
        });
        for (QPushButton* button : window_->findChildren<QPushButton*>()) {
            connect(button, &QPushButton::clicked, [&] { ++pressed; });
        }
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        shares()->setFocus();
        shares()->setCurrentCell(0, Column::Name);
        press(QStringLiteral("Kari Nordmann"));
        press(Qt::Key_Tab);
        QCOMPARE(currentCell(), QPoint(0, Column::Telephone));
        QVERIFY2(cellEditor(), "Tab opens the telephone for typing");
        press(QStringLiteral("22334455"));
        press(Qt::Key_Return);
        QTRY_COMPARE(stored().entries[0].telephone, std::string("22334455"));
        QCOMPARE(stored().entries[0].name, std::string("Kari Nordmann"));
        QCOMPARE(cell(0, Column::Telephone), QStringLiteral("22334455"));
        QTRY_COMPARE(currentCell(), QPoint(1, Column::Telephone));
        QVERIFY2(!cellEditor(), "Return commits and leaves the next share to the next key");
        press(Qt::Key_Return);  // once more, on the table itself: the share after
        QCOMPARE(currentCell(), QPoint(2, Column::Telephone));
        press(Qt::Key_Return);  // the last share stays
        QCOMPARE(currentCell(), QPoint(2, Column::Telephone));
        QCOMPARE(picked + pressed, 0);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(messages_.shown.empty());

        // Shift+Tab comes as Backtab, as the keyboard gives it; an empty point is out of the table.
        shares()->setCurrentCell(0, Column::Telephone);
        const struct {
            Qt::Key key;
            std::optional<QPoint> to;  // row, column
        } moves[] = {
            {Qt::Key_Tab, QPoint(0, Column::PlayerNumber)}, {Qt::Key_Tab, QPoint(0, Column::Paid)},
            {Qt::Key_Tab, QPoint(0, Column::Note)},         {Qt::Key_Tab, std::nullopt},
            {Qt::Key_Backtab, QPoint(0, Column::Note)},     {Qt::Key_Backtab, QPoint(0, Column::Paid)},
            {Qt::Key_Backtab, QPoint(0, Column::PlayerNumber)}, {Qt::Key_Backtab, QPoint(0, Column::Telephone)},
            {Qt::Key_Backtab, QPoint(0, Column::Name)},     {Qt::Key_Backtab, std::nullopt},
        };
        for (const auto& move : moves) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            QTest::keyClick(focused, move.key, move.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            if (move.to) {
                QVERIFY2(shares()->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
                QCOMPARE(currentCell(), *move.to);
            } else {
                QVERIFY2(!shares()->hasFocus() && !shares()->isAncestorOf(QApplication::focusWidget()), "Tab leaves the table");
                QCOMPARE(currentCell().x(), 0);  // the share stays current for the way back
            }
        }
        // Tab out of a note being typed keeps the note and leaves the table.
        shares()->setFocus();
        shares()->setCurrentCell(0, Column::Note);
        press(QStringLiteral("kontant"));
        QVERIFY(cellEditor());
        press(Qt::Key_Tab);
        QTRY_COMPARE(stored().entries[0].note, std::string("kontant"));
        QVERIFY(!shares()->hasFocus() && !shares()->isAncestorOf(QApplication::focusWidget()));
        // Shift+Tab from a cell being typed in keeps what was typed there.
        shares()->setFocus();
        shares()->setCurrentCell(0, Column::Paid);
        press(QStringLiteral("3"));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(currentCell(), QPoint(0, Column::PlayerNumber));
        QTRY_VERIFY(stored().entries[0].paid == 3);
        QCOMPARE(picked + pressed, 0);
    }

    // Escape takes back the cell being typed and nothing more: the window stays open
    // however often it is pressed, and nothing is recorded.
    void escapeCancelsTheCellAndNeverClosesTheWindow() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        const std::string before = booksState();
        shares()->setFocus();
        shares()->setCurrentCell(1, Column::Name);
        press(QStringLiteral("Per"));
        QVERIFY(cellEditor());
        press(Qt::Key_Escape);
        QTRY_VERIFY(!cellEditor());
        QCOMPARE(cell(1, Column::Name), QString());
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(window_->isVisible());
        }
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        QVERIFY(window_->isVisible());
        QCOMPARE(booksState(), before);
        QVERIFY(messages_.shown.empty());
    }

    // Every button of the ledger window and of Kundekonto has its own Alt+letter, and the
    // letter presses it: "Merk betalt" by Alt+B, with the keyboard back on the share.
    void everyButtonHasItsOwnAltLetter() {
        put(sold());
        Tkundekonto account(workspace(), messages_);
        for (QWidget* window : {static_cast<QWidget*>(window_.get()), static_cast<QWidget*>(&account)}) {
            QMap<QChar, QString> letters;
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                const QString caption = button->text();
                const qsizetype amp = caption.indexOf(QLatin1Char('&'));
                QVERIFY2(amp >= 0 && amp + 1 < caption.size(), qPrintable(window->windowTitle() + ": " + caption));
                const QChar letter = caption.at(amp + 1).toLower();
                QVERIFY2(!letters.contains(letter), qPrintable(caption + " and " + letters.value(letter)));
                letters.insert(letter, caption);
            }
            QVERIFY(letters.size() >= 4);
        }
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        shares()->setFocus();
        shares()->setCurrentCell(2, Column::Name);
        QTest::keyClick(shares(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(stored().entries[2].paid == 972);
        QTRY_VERIFY(shares()->hasFocus());
        QCOMPARE(shares()->currentRow(), 2);
        QVERIFY(messages_.shown.empty());
    }

    // The buyer chosen from the register: the keyboard is back on the share's row, ready
    // for the next key.
    void choosingFromTheRegisterGivesTheKeyboardBackToTheRow() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        shares()->setFocus();
        shares()->setCurrentCell(1, Column::Name);
        test::ModalAnswer chooseKari("andel::Tkundekartotek", [&](QWidget* reg) {
            QTest::keyClicks(child<QLineEdit>(reg, "sokefelt"), QStringLiteral("nord"));
            QTest::keyClick(child<QLineEdit>(reg, "sokefelt"), Qt::Key_Return);
        });
        QTest::keyClick(shares(), Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY2(chooseKari.result().empty(), chooseKari.result().c_str());
        QTRY_COMPARE(stored().entries[1].name, std::string("Kari Nordmann"));
        QTRY_VERIFY(QApplication::focusWidget() == shares());
        QCOMPARE(shares()->currentRow(), 1);
    }

    // What another program records is shown without being asked for, on the same share;
    // the list says the sale is closed once it is.
    void theBooksWrittenElsewhereAreShownAtOnce() {
        put(sold());
        shares()->setFocus();
        shares()->setCurrentCell(1, Column::Telephone);
        QCOMPARE(elsewhere(workspace(), [](Journal& j, const Clerk& c) { return payInBooks(j, c, "1042", 3, {}, {}); }), std::string());
        QTRY_COMPARE(cell(2, Column::Paid), QStringLiteral("972"));
        QCOMPARE(total("innbetalt"), QStringLiteral("kr 1.944"));
        QCOMPARE(currentCell(), QPoint(1, Column::Telephone));
        QCOMPARE(elsewhere(workspace(), [](Journal& j, const Clerk& c) { return closeSaleInBooks(j, c, "1042"); }), std::string());
        QTRY_VERIFY(child<QComboBox>(window_.get(), "regnskapvalg")->currentText().endsWith(QStringLiteral("Salget stengt")));
        QVERIFY(!child<QPushButton>(window_.get(), "stengsalg")->isEnabled());
        QVERIFY(messages_.shown.empty());
    }

    // A share sold after its coupon type's deadline is asked about first, Nei the default
    // answer, whether the buyer is typed or chosen from the register; before the deadline
    // nothing is asked, and after the sale is closed the books' refusal is shown.
    void sellingAfterTheDeadlineAsksFirst() {
        SettingsStore settings = mainStore(workspace(), messages_);
        QVERIFY(storeSaleDeadline(settings, CouponType::Saturday, SaleDeadline{6, 14, 45}));
        Tkunderec per;
        per.firstName = "Per";
        per.lastName = "Aas";
        window_->setCustomerPicker([&]() -> std::optional<Tkunderec> { return per; });
        const struct {
            const char* what;
            GameWeek week;
            bool closed, typed, yes;
            const char* asked;  // the start of the question or refusal; "" for none
            const char* stored;  // the share's buyer afterwards; nullptr: as it was
        } cases[] = {
            {"typed after the deadline, Nei", {10, 2020, {}}, false, true, false, "Salgsfristen gikk ut lørdag 07.03.2020 kl. 14:45", nullptr},
            {"typed after the deadline, Ja", {10, 2020, {}}, false, true, true, "Salgsfristen gikk ut lørdag 07.03.2020 kl. 14:45", "Per"},
            {"chosen after the deadline, Nei", {10, 2020, {}}, false, false, false, "Salgsfristen gikk ut", nullptr},
            {"chosen after the deadline, Ja", {10, 2020, {}}, false, false, true, "Salgsfristen gikk ut", "Per Aas"},
            {"typed before the deadline", {10, 2099, {}}, false, true, true, "", "Per"},
            {"chosen before the deadline", {10, 2099, {}}, false, false, true, "", "Per Aas"},
            {"typed after the sale was closed", {10, 2020, {}}, true, true, true, "Salget ble stengt", nullptr},
        };
        for (const auto& c : cases) {
            Ledger ledger = sold();
            ledger.facts.week = c.week;
            put(ledger);
            if (c.closed) {
                QCOMPARE(elsewhere(workspace(), [](Journal& j, const Clerk& k) { return closeSaleInBooks(j, k, "1042"); }), std::string());
                window_->reload("1042");
            }
            messages_.shown.clear();
            messages_.answer = c.yes;
            const std::string before = stored().entries[1].name;
            if (c.typed) {
                typeIntoCell(1, Column::Name, QStringLiteral("Per"));
            } else {
                clickRow(shares(), 1);
                click("velgkjoper");
            }
            const QString buyer = c.stored ? QString::fromUtf8(c.stored) : QString::fromStdString(before);
            QCOMPARE(QString::fromStdString(stored().entries[1].name), buyer);
            QCOMPARE(cell(1, Column::Name), buyer);
            if (!*c.asked) {
                QVERIFY2(messages_.shown.empty(), c.what);
                continue;
            }
            QVERIFY2(messages_.shown.size() == 1, c.what);
            QVERIFY2(messages_.shown[0].text.starts_with(c.asked), messages_.shown[0].text.c_str());
            if (!c.closed) {
                QVERIFY2(messages_.shown[0].text.ends_with("\rSelge andel 2 likevel?"), messages_.shown[0].text.c_str());
                QVERIFY2(messages_.shown[0].buttons == MessageButtons::YesNo && messages_.shown[0].defaultAnswer == MessageDefault::No, c.what);
            }
        }
    }

    // A result confirmed before the round's day is asked about first (Nei the default);
    // on Nei the result dialog never opens.
    void confirmingBeforeTheRoundsDayAsksFirst() {
        int opened = 0;
        window_->setResultAsker([&](const SyndicateFacts&, const HistoryRounds&, const std::optional<ConfirmedRound>&)
                                    -> std::optional<ConfirmedResult> {
            ++opened;
            return std::nullopt;
        });
        Ledger future = sold();
        future.facts.week = {10, 2099, {}};
        for (const bool yes : {false, true}) {
            put(future);
            messages_.shown.clear();
            messages_.answer = yes;
            opened = 0;
            click("godkjennresultat");
            QCOMPARE(messages_.shown.size(), std::size_t{1});
            QCOMPARE(messages_.shown[0].text, std::string("Runden for UKE 10 -2099 (LØRDAG) spilles lørdag 07.03.2099.\r"
                                                          "Godkjenne resultatet før runden er spilt?"));
            QVERIFY(messages_.shown[0].defaultAnswer == MessageDefault::No);
            QCOMPARE(opened, yes ? 1 : 0);
        }
        put(sold());  // played last week: nothing to ask
        messages_.shown.clear();
        opened = 0;
        click("godkjennresultat");
        QVERIFY(messages_.shown.empty());
        QCOMPARE(opened, 1);
    }

    // A warning appearing (the deadline passed while the window was open) leaves the
    // shares where they were under the mouse.
    void aWarningNeverMovesTheShares() {
        Ledger current = sold();
        current.facts.week = gameWeekOf(localToday());
        put(current);
        QVERIFY(warnings().join(QString()).isEmpty());
        const int top = shares()->mapTo(window_.get(), QPoint(0, 0)).y();
        SettingsStore settings = mainStore(workspace(), messages_);
        QVERIFY(storeSaleDeadline(settings, CouponType::Saturday, SaleDeadline{1, 0, 0}));  // Monday 00:00: passed
        window_->reload("1042");
        QVERIFY2(warnings().join(QString()).contains(QStringLiteral("steng salget")), qPrintable(warnings().join(QString())));
        QCOMPARE(shares()->mapTo(window_.get(), QPoint(0, 0)).y(), top);
    }

    // Another program changes the ledger while a cell is being typed in, and the window
    // shows the change: the cell's editor and what is typed in it stay.
    void aRefreshWaitsForTheCellBeingTyped() {
        shares()->setFocus();
        shares()->setCurrentCell(0, Column::Name);
        press(QStringLiteral("Per"));
        QLineEdit* editor = cellEditor();
        QVERIFY(editor);
        QCOMPARE(elsewhere(workspace(), [](Journal& j, const Clerk& c) { return setBuyerInBooks(j, c, "1042", 3, {.name = "Ola"}); }),
                 std::string());
        window_->reload();
        QCOMPARE(cell(2, Column::Name), QStringLiteral("Ola"));
        QCOMPARE(cellEditor(), editor);
        press(QStringLiteral(" Aas"));
        press(Qt::Key_Return);
        QTRY_COMPARE(stored().entries[0].name, std::string("Per Aas"));
        QCOMPARE(stored().entries[2].name, std::string("Ola"));
    }

    // Several shares selected and marked paid at once: those the money rules allow are
    // paid, and one message names every other share with what stands.
    void severalSharesAreMarkedPaidAndEachRefusalNamed() {
        Ledger ledger = sold();
        ledger.facts.shares = 4;
        ledger.entries.resize(4);
        ledger.entries[3].name = "Per Aas";
        put(ledger);
        clickRow(shares(), 0);
        QTest::mouseClick(shares()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          shares()->visualRect(shares()->model()->index(3, Column::Name)).center());
        QCOMPARE(shares()->selectedShares(), (std::vector<int>{1, 2, 3, 4}));
        click("merkbetalt");
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0].text, std::string("Ikke merket betalt:\r"
                                                      "Andel 1 ble betalt 01.12.2026, kr 972.\r"
                                                      "Andel 2 har ingen kjøper: velg kjøperen før andelen merkes betalt."));
        const Ledger now = stored();
        QVERIFY(now.entries[0].paid == 972 && now.entries[0].paidOn == (LedgerDate{1, 12, 2026}));
        QVERIFY(!now.entries[1].paid);
        QVERIFY(now.entries[2].paid == 972 && now.entries[3].paid == 972);
        QCOMPARE(cell(3, Column::Paid), QStringLiteral("972"));
        QCOMPARE(total("innbetalt"), QStringLiteral("kr 2.916"));
    }

    // A payment of another amount than the price is typed in the share's "Betalt" cell.
    void aPaidAmountIsTypedWithinThePrice() {
        const struct {
            const char* what;
            int row;
            QString typed;
            std::optional<std::int64_t> stored;  // the share's payment afterwards
            std::string refusal;
        } cases[] = {
            {"part of the price", 2, QStringLiteral("500"), 500, ""},
            {"the whole price", 2, QStringLiteral("972"), 972, ""},
            {"letters are refused, not dropped", 2, QStringLiteral("4x0"), std::nullopt,
             "Beløpet \"4x0\" er ikke et helt antall kroner."},
            {"øre are refused, not taken as kroner", 2, QStringLiteral("1,46"), std::nullopt,
             "Beløpet \"1,46\" har komma: skriv hele kroner, uten øre."},
            {"a minus is refused, not dropped", 2, QStringLiteral("-50"), std::nullopt,
             "Beløpet \"-50\" har minus: et beløp skrives uten fortegn."},
            {"too large is said so, not cut", 2, QStringLiteral("12345678901234"), std::nullopt,
             "Beløpet \"12345678901234\" er for stort: høyst 999.999.999 kroner."},
            {"more than the price", 2, QStringLiteral("1.000"), std::nullopt,
             "Beløpet kr 1.000 er mer enn det som mangler av prisen, kr 972."},
            {"nothing", 2, QStringLiteral("0"), std::nullopt, ""},
            {"a share with no buyer", 1, QStringLiteral("100"), std::nullopt,
             "Andel 2 har ingen kjøper: velg kjøperen før andelen merkes betalt."},
            {"less on a paid share", 0, QStringLiteral("500"), 972,
             "Andel 1 ble betalt 01.12.2026, kr 972: angre betalingen først for å føre et mindre beløp."},
        };
        for (const auto& c : cases) {
            put(sold());
            messages_.shown.clear();
            const QString before = cell(c.row, Column::Paid);
            typeIntoCell(c.row, Column::Paid, c.typed);
            QVERIFY2(stored().entries[static_cast<std::size_t>(c.row)].paid == c.stored, c.what);
            if (c.refusal.empty()) {
                QVERIFY2(messages_.shown.empty(), c.what);
                if (!c.stored) continue;  // 0 paid is no payment
                QCOMPARE(cell(c.row, Column::Paid), QString::fromStdString(formatAmount(*c.stored)));
                QCOMPARE(cell(c.row, Column::PaidOn), QString::fromStdString(ledgerDateText(todayLedgerDate())));
                continue;
            }
            QVERIFY2(messages_.shown.size() == 1, c.what);
            QCOMPARE(messages_.shown[0].text, c.refusal);
            QCOMPARE(cell(c.row, Column::Paid), before);  // the refused amount is not left standing
        }
    }

    // With the program's own message boxes: a refusal's box takes the keyboard from the
    // cell being typed in; afterwards the refused amount is gone and no editor is lost.
    void aRefusalsBoxWhileTypingLeavesTheTableWhole() {
        put(sold());
        MessageBoxes boxes(nullptr);
        window_ = std::make_unique<Tandelsregnskap>(workspace(), boxes);
        window_->reload();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        std::string told;
        test::ModalAnswer ok("QMessageBox", [&](QWidget* box) {
            told = static_cast<QMessageBox*>(box)->text().toStdString();
            static_cast<QMessageBox*>(box)->accept();
        });
        shares()->setFocus();
        shares()->setCurrentCell(2, Column::Paid);
        press(QStringLiteral("5000"));
        press(Qt::Key_Tab);
        QVERIFY2(ok.result().empty(), ok.result().c_str());
        QCOMPARE(told, std::string("Beløpet kr 5.000 er mer enn det som mangler av prisen, kr 972."));
        QTRY_COMPARE(cell(2, Column::Paid), QString());
        QVERIFY(!stored().entries[2].paid);
        window_.reset();  // before the boxes it shows messages in
    }

    // "Eksporter til regneark...": CSV or an Excel workbook, and the agent is told where it
    // went; a file that cannot be written is named with why, and the old file stays whole.
    void anExportSaysWhereItWentOrWhyNot() {
        writeResult();
        put(sold());
        const QString kept = directory_->filePath(QStringLiteral("kept.xlsx"));
        {
            QFile old(kept);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        // A path as the agent is told it: backslashes on Windows.
        const auto toldPath = [this](const char* name) {
            return QDir::toNativeSeparators(directory_->filePath(QString::fromLatin1(name))).toStdString();
        };
        const struct {
            const char* what;
            QString file;
            bool workbook;
            bool diskFull;
            QByteArray starts;  // the file's first bytes afterwards
            std::string told;
        } cases[] = {
            {"a workbook", directory_->filePath(QStringLiteral("regnskap.xlsx")), true, false, "PK",
             "Lagret i\r" + toldPath("regnskap.xlsx")},
            {"a CSV file", directory_->filePath(QStringLiteral("regnskap.csv")), false, false, "\xEF\xBB\xBF" "Andel;",
             "Lagret i\r" + toldPath("regnskap.csv")},
            {"into a folder that is not there", directory_->filePath(QStringLiteral("borte/regnskap.xlsx")), true, false, "",
             "Mappen " + toldPath("borte") + " finnes ikke."},
            {"on a full disk", kept, true, true, "old", "Eksporten ble ikke lagret.\rKan ikke skrive filen"},
        };
        for (const auto& c : cases) {
            messages_.shown.clear();
            window_->setExportChooser([&](const QString& suggested) -> std::optional<AccountsExportChoice> {
                if (!suggested.endsWith(QStringLiteral("andelsregnskap_1042"))) return std::nullopt;
                return AccountsExportChoice{c.file, c.workbook};
            });
            if (c.diskFull) simulateDiskFullAfter(0);
            click("eksporter");
            simulateDiskFullAfter(std::nullopt);
            QVERIFY2(messages_.shown.size() == 1, c.what);
            const std::string& told = messages_.shown[0].text;
            QVERIFY2(told.starts_with(c.told) || (told.starts_with("Eksporten ble ikke lagret.") && told.ends_with(c.told)),
                     told.c_str());
            QFile file(c.file);
            QCOMPARE(file.open(QIODevice::ReadOnly) ? file.read(c.starts.size()) : QByteArray(), c.starts);
        }
    }

    // Damaged books are named with their newest good backup, shown empty and never written.
    void damagedBooksAreNamedAndLeftAlone() {
        const QString path = QString::fromStdString(pathText(booksPath(workspace())));
        for (const char* ending : {"-wal", "-shm"}) QFile::remove(path + QLatin1String(ending));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(64, 'x'));  // over the database's header
        file.close();
        const auto damaged = [&] {
            QFile read(path);
            return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
        };
        const QByteArray before = damaged();
        window_->reload();
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY2(messages_.shown[0].text.find("er skadet") != std::string::npos ||
                     messages_.shown[0].text.find("ikke regnskapet") != std::string::npos,
                 messages_.shown[0].text.c_str());
        QVERIFY2(messages_.shown[0].text.find("sikkerhetskopi") != std::string::npos, messages_.shown[0].text.c_str());
        QCOMPARE(shares()->rowCount(), 0);
        click("merkbetalt");
        QCOMPARE(damaged(), before);
    }

    void seasonOpensFromTheLedgerAndClosesWithIt() {
        click("sesong");
        auto* season = window_->findChild<Tsesong*>();
        QVERIFY(season && season->isVisible());
        QCOMPARE(season->season().rows.size(), std::size_t{1});
        QCOMPARE(child<QTableWidget>(season, "sesongtabell")->rowCount(), 2);  // the round and the total
        QVERIFY(child<QWidget>(season, "sesonggraf")->isVisible());
        click("lukk");
        QVERIFY(!window_->isVisible());
    }

    void theMainWindowOpensIt() {
        window_.reset();
        Tgridform main(workspace(), &messages_);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto* storage = child<QToolButton>(&main, "bildeknapp5");
        auto* button = child<QToolButton>(&main, "andelsregnskapknapp");
        QCOMPARE(button->geometry().top(), storage->geometry().top());  // beside it, in its row
        QTest::mouseClick(button, Qt::LeftButton);
        auto* ledgerWindow = main.findChild<Tandelsregnskap*>();
        QVERIFY(ledgerWindow && ledgerWindow->isVisible());
        ledgerWindow->close();

        QAction* item = nullptr;
        for (QAction* action : main.menuBar()->actions().front()->menu()->actions()) {
            if (action->text() == QStringLiteral("&Andelsregnskap")) item = action;
        }
        QVERIFY(item);
        item->trigger();
        QVERIFY(ledgerWindow->isVisible());
        QCOMPARE(ledgerWindow->ledger()->facts.serialNumber, std::string("1042"));
    }

};

QTEST_MAIN(LedgerWindowTest)
#include "ledger_window_test.moc"
