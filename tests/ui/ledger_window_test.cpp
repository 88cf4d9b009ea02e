// The ledger window as the agent uses it: a buyer picked from the customer register with
// its search, payments marked by the buttons and the keyboard, the totals following, the
// money rules' refusals, undo with its question, the result confirmed in its dialog,
// voiding, another program writing meanwhile, and the way in from the main window.
#include "accounts/ledger_edit.h"
#include "accounts/ledger_store.h"
#include "accounts/ledger_window.h"
#include "accounts/season_window.h"
#include "main_window/main_window.h"
#include "register/register_file.h"
#include "register/register_window.h"
#include "results/pools_history.h"
#include "support/modal_answer.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <functional>

using namespace andel;

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
    QTableWidget* shares() const { return child<QTableWidget>(window_.get(), "andeler"); }
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
    // Stores the ledger as it is given and shows it.
    void put(const Ledger& ledger) {
        QVERIFY(changeLedger(workspace(), "1042", [&](Ledger& l) {
                    l = ledger;
                    return std::string();
                }).refused.empty());
        window_->reload("1042");
    }

    static SyndicateFacts facts() {
        SyndicateFacts f;
        f.serialNumber = "1042";
        f.week = {50, 2026, {}};
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
        record.week = 50;
        record.year = 2026;
        record.resultText = signs;
        record.prize12 = prize12;
        std::ofstream(directory_->filePath("tippehistorikk/lf.txt").toStdString(), std::ios::binary)
            << formatHistoryLine(record) << "\r\n";
    }

private slots:
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
        {
            LedgerLock lock(workspace());
            saveLedger(workspace(), emptyLedger(facts()));
        }
        window_ = std::make_unique<Tandelsregnskap>(workspace(), messages_);
        window_->reload();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void pickBuyerFromTheRegisterAndMarkPaid() {
        QCOMPARE(child<QComboBox>(window_.get(), "regnskapvalg")->currentText(),
                 QString::fromUtf8("1042   UKE 50 -2026   LØRDAG ORDINÆR   Åpen"));
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
        QCOMPARE(cell(1, 1), QStringLiteral("Kari Nordmann"));
        QCOMPARE(cell(1, 2), QStringLiteral("223-34455"));
        QCOMPARE(cell(1, 3), QStringLiteral("123 456 789"));
        QCOMPARE(stored().entries[1].name, std::string("Kari Nordmann"));
        QCOMPARE(total("solgte"), QStringLiteral("1 av 3"));
        QCOMPARE(total("utestaende"), QStringLiteral("kr 972"));

        click("merkbetalt");
        QCOMPARE(cell(1, 4), QStringLiteral("972"));
        QCOMPARE(cell(1, 5), QString::fromStdString(ledgerDateText(todayLedgerDate())));
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
             "Andel 3 er ikke betalt: bare en betalt andel får gevinsten utbetalt."},
            {"second payout", true, 0, "merkutbetalt", "Andel 1 ble utbetalt 03.12.2026, kr 33.333"},
        };
        for (const auto& c : cases) {
            put(c.confirmed ? paidOut() : sold());
            const std::string before = encodeLedgerFile();
            messages_.shown.clear();
            clickRow(shares(), c.row);
            click(c.button);
            QVERIFY2(messages_.shown.size() == 1, c.what);
            QCOMPARE(messages_.shown[0].text, c.message);
            QVERIFY2(encodeLedgerFile() == before, c.what);
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
            {"angrebetalt", 4, "Angre betalingen av andel 3 (kr 972, 02.12.2026)?",
             "Angret betaling av andel 3: 02.12.2026, kr 972"},
            {"angreutbetalt", 6, "Angre utbetalingen av andel 1 (kr 33.333, 03.12.2026)?",
             "Angret utbetaling av andel 1: 03.12.2026, kr 33.333"},
        };
        for (const auto& c : cases) {
            for (const bool yes : {false, true}) {
                Ledger ledger = paidOut();
                ledger.entries[2].paid = 972;
                ledger.entries[2].paidOn = LedgerDate{2, 12, 2026};
                put(ledger);
                const int row = std::string(c.button) == "angrebetalt" ? 2 : 0;
                const std::string before = encodeLedgerFile();
                messages_.shown.clear();
                messages_.answer = yes;
                clickRow(shares(), row);
                click(c.button);
                QCOMPARE(messages_.shown.size(), std::size_t{1});
                QCOMPARE(messages_.shown[0].buttons, MessageButtons::YesNo);
                QVERIFY2(messages_.shown[0].text.starts_with(c.question), messages_.shown[0].text.c_str());
                auto* history = child<QListWidget>(window_.get(), "historikk");
                if (!yes) {
                    QCOMPARE(encodeLedgerFile(), before);
                    QVERIFY(!cell(row, c.column).isEmpty());
                    QCOMPARE(history->count(), 0);
                    continue;
                }
                QVERIFY(cell(row, c.column).isEmpty());
                QVERIFY(cell(row, c.column + 1).isEmpty());
                QCOMPARE(history->count(), 1);
                QCOMPARE(history->item(0)->text(),
                         QString::fromStdString(ledgerDateText(todayLedgerDate()) + "  " + c.history));
                QCOMPARE(stored().history.size(), std::size_t{1});
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

        click("merkutbetalt");
        QVERIFY(messages_.shown.empty());
        QCOMPARE(cell(0, 6), QStringLiteral("33.333"));
        QCOMPARE(total("tilutbetaling"), QStringLiteral("kr 33.333"));  // share 3's part
        QCOMPARE(warnings(), QStringList{QString()});

        // The history is corrected afterwards: the warning names it, the figures stay.
        writeResult("1X21X21X21X1", 0);
        window_->reload();
        QCOMPARE(warnings().size(), 1);
        QVERIFY2(warnings()[0].startsWith(QStringLiteral("Tippehistorikken viser nå")) &&
                     warnings()[0].contains(QString::fromStdString(boardSigns("1X21X21X21X1"))),
                 qPrintable(warnings()[0]));
        QCOMPARE(total("premie"), QStringLiteral("kr 100.000"));
        QCOMPARE(total("utbetalt"), QStringLiteral("kr 33.333"));
        QCOMPARE(cell(0, 6), QStringLiteral("33.333"));
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
        QCOMPARE(total("tilutbetaling"), QStringLiteral("kr 10.000"));  // share 3's part; share 1 got too much
    }

    // "Annuller andelslaget..." with a reason: the change buttons go dead and the season
    // counts the other syndicate only.
    void aVoidedLedgerCannotChangeAndTheSeasonLeavesItOut() {
        SyndicateFacts other = facts();
        other.serialNumber = "1043";
        other.player = "Per Aas";
        {
            LedgerLock lock(workspace());
            saveLedger(workspace(), emptyLedger(other));
        }
        put(sold());
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
    // change is made on the ledger as it stands, the other change is kept, and a message
    // names it. The other program is the command-line tool, or any caller of the core.
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
                 const LedgerChange changed = changeLedger(workspace(), "1042", [](Ledger& l) {
                     l.entries[1].name = "Per Aas";
                     return markPaid(l, 2, std::nullopt, LedgerDate{4, 12, 2026});
                 });
                 QVERIFY(changed.refused.empty());
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
            const Ledger now = stored();
            QCOMPARE(now.entries[1].name, std::string("Per Aas"));
            QVERIFY2(now.entries[1].paid == 972 && now.entries[1].paidOn == (LedgerDate{4, 12, 2026}), who);
            QVERIFY2(now.entries[2].paid == 972, who);
            QCOMPARE(cell(1, 1), QStringLiteral("Per Aas"));
            QCOMPARE(cell(1, 4), QStringLiteral("972"));
        }
    }

    // Typing in a cell stops at the field's length, so what is typed can always be saved.
    void typingStopsAtTheFieldsLength() {
        const struct {
            int column;
            std::size_t length;
            std::string ShareEntry::*field;
        } fields[] = {{1, kNameLength, &ShareEntry::name},
                      {2, kTelephoneLength, &ShareEntry::telephone},
                      {3, kPlayerNumberLength, &ShareEntry::playerNumber},
                      {8, kNoteLength, &ShareEntry::note}};
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

    void aDamagedLedgerIsNamedAndLeftAlone() {
        const QString path = directory_->filePath(QStringLiteral("andelsregnskap/REGNSKAP_1042_UKE_50_2026.TXT"));
        QFile file(path);
        QVERIFY(file.resize(120));
        const std::string cut = encodeLedgerFile();
        window_->reload();
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY(messages_.shown[0].text.find("REGNSKAP_1042_UKE_50_2026.TXT er skadet") != std::string::npos);
        QCOMPARE(shares()->rowCount(), 0);
        click("merkbetalt");
        QCOMPARE(encodeLedgerFile(), cut);
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

private:
    std::string encodeLedgerFile() const {
        QFile file(directory_->filePath(QStringLiteral("andelsregnskap/REGNSKAP_1042_UKE_50_2026.TXT")));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll().toStdString();
    }
};

QTEST_MAIN(LedgerWindowTest)
#include "ledger_window_test.moc"
