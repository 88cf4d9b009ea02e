// The ledger window as the agent uses it: a buyer picked from the customer register with
// its search, payments marked by the buttons and the keyboard, the totals following, the
// refusals, and the way in from the main window.
#include "accounts/ledger_store.h"
#include "accounts/ledger_window.h"
#include "accounts/season_window.h"
#include "main_window/main_window.h"
#include "register/register_file.h"
#include "register/register_window.h"
#include "results/pools_history.h"
#include "support/recording_messages.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <fstream>

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
    void writeResult() const {
        StatisticsRecord record;
        record.week = 50;
        record.year = 2026;
        record.resultText = "1X21X21X21X2";
        record.prize12 = 100000;
        std::ofstream(directory_->filePath("tippehistorikk/lf.txt").toStdString(), std::ios::binary)
            << formatHistoryLine(record) << "\r\n";
    }

private slots:
    void init() {
        directory_ = std::make_unique<QTemporaryDir>();
        QDir(directory_->path()).mkdir(QStringLiteral("tippehistorikk"));
        messages_.shown.clear();
        Tkunderec kari;
        kari.firstName = "Kari";
        kari.lastName = "Nordmann";
        kari.playerNumber = 123456789;
        kari.telephone1 = 22334455;
        Tkunderec per;
        per.firstName = "Per";
        per.lastName = "Aas";
        for (const Tkunderec& c : {per, kari}) appendCustomer(workspace(), c, messages_);
        saveLedger(workspace(), emptyLedger(facts()));
        window_ = std::make_unique<Tandelsregnskap>(workspace(), messages_);
        window_->reload();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void pickBuyerFromTheRegisterAndMarkPaid() {
        QCOMPARE(child<QComboBox>(window_.get(), "regnskapvalg")->currentText(), QStringLiteral("1042   UKE 50 -2026"));
        QCOMPARE(child<QLabel>(window_.get(), "resultat")->text(), QStringLiteral("Resultat ikke klart"));
        QCOMPARE(total("solgte"), QStringLiteral("0 av 3"));
        clickRow(shares(), 1);

        // The register opens to choose: search for the surname, then click the found row.
        bool chose = false;
        QTimer::singleShot(0, this, [&] {
            auto* reg = qobject_cast<Tkundekartotek*>(QApplication::activeModalWidget());
            QVERIFY(reg);
            auto* search = child<QLineEdit>(reg, "sokefelt");
            QTest::keyClicks(search, QStringLiteral("nord"));
            auto* table = child<QTableWidget>(reg, "kundetabell");
            const int found = table->currentRow();
            QVERIFY(table->item(found, 1)->text().contains(QStringLiteral("Nordmann")));
            clickRow(table, found);
            chose = true;
        });
        click("velgkjoper");
        QVERIFY(chose);
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
        auto* editor = shares()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        QTest::keyClicks(editor, QStringLiteral("la"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(QString::fromStdString(stored().entries[2].name), QStringLiteral("Ola"));  // committed queued
        click("merkbetalt");
        QCOMPARE(total("innbetalt"), QStringLiteral("kr 1.944"));
        QCOMPARE(total("solgte"), QStringLiteral("2 av 3"));
        click("angrebetalt");
        QCOMPARE(total("innbetalt"), QStringLiteral("kr 972"));
        QVERIFY(messages_.shown.empty());
    }

    void payoutWaitsForTheResult() {
        clickRow(shares(), 0);
        const std::string before = encodeLedgerFile();
        click("merkutbetalt");
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY(messages_.shown[0].text.starts_with("Resultat ikke klart"));
        QCOMPARE(encodeLedgerFile(), before);

        writeResult();
        window_->reload();
        QVERIFY(child<QLabel>(window_.get(), "resultat")->text().contains(QStringLiteral("Rest kr 1 (ikke fordelt)")));
        QCOMPARE(total("premie"), QStringLiteral("kr 100.000"));
        QCOMPARE(total("tilutbetaling"), QStringLiteral("kr 99.999"));
        click("merkutbetalt");
        QCOMPARE(cell(0, 6), QStringLiteral("33.333"));
        QCOMPARE(total("tilutbetaling"), QStringLiteral("kr 66.666"));
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
