// The main window's wiring: a click reaches the right function and the right control
// shows the right text.
#include "main_window/main_window.h"

#include "online/make_online_file.h"
#include "printing/certificate_command.h"
#include "results/pools_history.h"
#include "storage/storage_save.h"
#include "support/recording_messages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <utility>

using andel::Tgridform;
using andel::Workspace;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    std::unique_ptr<Tgridform> window_;
    andel::test::RecordingMessages messages_;

    template <typename T = QAbstractButton>
    T* find(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }

    QString text(const char* name) const {
        auto* label = window_->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }
    QTableWidget* grid(const char* name) const { return window_->findChild<QTableWidget*>(QString::fromLatin1(name)); }
    QPoint cellCentre(QTableWidget* table, int row, int column) const {
        return table->visualRect(table->model()->index(row, column)).center();
    }
    void clickStemCell(int column, int row) {
        QTableWidget* stem = grid("StringGrid1");
        QTest::mouseClick(stem->viewport(), Qt::LeftButton, {}, cellCentre(stem, row, column));
    }

private slots:
    void init() {
        messages_.shown.clear();
        window_ = std::make_unique<Tgridform>(Workspace(directory_.path().toStdString()), &messages_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void opensWithTheDefaultStem() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Kvasar - Andelstippemodul  10.11.2019"));
        QCOMPARE(window_->size(), QSize(640, 520));
        for (int c = 1; c <= 9; ++c) QCOMPARE(text(QStringLiteral("r%1antall").arg(c).toLatin1()), QStringLiteral("324"));
        QCOMPARE(text("rekkertotalt"), QStringLiteral("2.916"));
        QCOMPARE(text("rekkeristamme"), QStringLiteral("26.244"));
        QCOMPARE(text("panelinnsatstotalt"), QStringLiteral("2.916"));
        QCOMPARE(text("panelprisprandel"), QStringLiteral("584"));
        QCOMPARE(text("kupongline"), QStringLiteral("9  X 324 rekkers kuponger"));
        // No settings store and no identity file: the defaults of a fresh working directory.
        QCOMPARE(text("xfornavn"), QStringLiteral("Tippe"));
        QCOMPARE(text("etternavn"), QStringLiteral("Vinnesen"));
        QCOMPARE(text("spillenummer"), QStringLiteral("000000000"));
        QCOMPARE(text("panel55"), QStringLiteral("Tippe Vinnesen 000000000"));
        QCOMPARE(window_->findChild<QComboBox*>(QStringLiteral("KUPONGTYPE"))->currentText(), QStringLiteral("LØRDAG"));
        QCOMPARE(window_->findChild<QComboBox*>(QStringLiteral("pauseordiner"))->currentText(), QStringLiteral("ORDINÆR"));
        const QDate today = QDate::currentDate();
        int weekYear = 0;
        const int week = today.weekNumber(&weekYear);
        QCOMPARE(window_->findChild<QComboBox*>(QStringLiteral("ukecombobox"))->currentText(),
                 QStringLiteral(" UKE %1 -%2").arg(week, 2, 10, QLatin1Char('0')).arg(weekYear));
        QVERIFY(messages_.shown.empty());
        QCOMPARE(text("antallkamptyper"), QStringLiteral("2 sikre,  2 halvgarderte,  8 hele"));
        auto* shares = window_->findChild<QComboBox*>(QStringLiteral("antallandeler"));
        QCOMPARE(shares->count(), 120);
        QCOMPARE(shares->currentText(), QStringLiteral("   5"));
        QVERIFY(window_->findChild<QComboBox*>(QStringLiteral("comborekkepris"))->isHidden());
        QCOMPARE(grid("StringGrid1")->item(1, 1)->text(), QStringLiteral("X"));
        QCOMPARE(grid("StringGrid1")->item(1, 2)->text(), QString());
        QCOMPARE(grid("StringGrid2")->item(12, 1)->text(), QStringLiteral("M"));
        QVERIFY(grid("StringGrid1")->isRowHidden(0));
        QVERIFY(grid("StringGrid1")->isColumnHidden(0));
        QCOMPARE(grid("StringGrid1")->rowHeight(3), grid("StringGrid1")->rowHeight(2) + 2);
        QVERIFY(window_->findChild<QWidget*>(QStringLiteral("PaintBox1")));
    }

    void showsTheAgentAndReportsADamagedIdentityFile() {
        QCOMPARE(text("agentlinje1"), QStringLiteral("FIRMANAVN, FIRMA ADRESSE, POSTADRESSE"));
        QCOMPARE(text("agentlinje2"), QStringLiteral("Telefon 00 00 00 00, Telefax 00 00 00 00, "));

        window_.reset();  // one main window per process
        QTemporaryDir damagedDirectory;
        QFile damaged(damagedDirectory.filePath(QStringLiteral("kommlogo.KVS")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(200, 'x'));
        damaged.close();
        andel::test::RecordingMessages messages;
        Tgridform window(Workspace(damagedDirectory.path().toStdString()), &messages);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QVERIFY(messages.shown[0].text.find("kommlogo.KVS") != std::string::npos);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("agentlinje1"))->text(),
                 QStringLiteral("FIRMANAVN, FIRMA ADRESSE, POSTADRESSE"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("rekkertotalt"))->text(), QStringLiteral("2.916"));
    }

    void clickingAStemCellRecomputes() {
        clickStemCell(3, 5);  // remove B from match 5
        QCOMPARE(grid("StringGrid1")->item(5, 3)->text(), QString());
        QCOMPARE(text("rekkertotalt"), QStringLiteral("1.944"));
        QCOMPARE(text("r5antall"), QStringLiteral("216"));
        clickStemCell(1, 1);  // the only sign of a sure match stays
        QCOMPARE(grid("StringGrid1")->item(1, 1)->text(), QStringLiteral("X"));
    }

    void resetMakesTheCouponsTooLargeToPlay() {
        auto* warning = window_->findChild<QWidget*>(QStringLiteral("advarselpanel"));
        QVERIFY(warning->isHidden());
        QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("BitBtn5")), Qt::LeftButton);
        QCOMPARE(text("rekkertotalt"), QStringLiteral("59.049"));
        QCOMPARE(text("r1antall"), QStringLiteral("6561"));
        QVERIFY(!warning->isHidden());
        QVERIFY(window_->findChild<QLabel*>(QStringLiteral("r1antall"))->styleSheet().contains(QStringLiteral("red")));
        for (const char* name : {"BitBtn2", "lagandelsbrevbutton", "BitBtn27"}) {
            QVERIFY2(!window_->findChild<QAbstractButton*>(QString::fromLatin1(name))->isEnabled(), name);
        }
    }

    void choosingTheSharesRepricesTheSyndicate() {
        auto* shares = window_->findChild<QComboBox*>(QStringLiteral("antallandeler"));
        shares->setFocus();
        QTest::keyClick(shares, Qt::Key_End);  // the last item: 120 shares
        QCOMPARE(shares->currentText(), QStringLiteral("   120"));
        QCOMPARE(text("panelprisprandel"), QStringLiteral("25"));
        QCOMPARE(text("panelinnsatstotalt"), QStringLiteral("2.916"));
    }

    void selectorsAndArrowsReachTheirHandlers() {
        auto* weeks = find<QComboBox>("ukecombobox");
        const QString today = weeks->currentText();
        QVERIFY(today.startsWith(QStringLiteral(" UKE ")));
        QCOMPARE(text("vistippeomgang"), QStringLiteral("LØRDAG ") + today);
        weeks->setCurrentIndex(0);
        emit weeks->activated(0);
        QTest::mouseClick(find("UpDown1opp"), Qt::LeftButton);
        QCOMPARE(weeks->currentIndex(), 0);  // already the first item
        QTest::mouseClick(find("UpDown1ned"), Qt::LeftButton);
        QCOMPARE(weeks->currentIndex(), 1);

        QTest::mouseClick(find("UpDown2ned"), Qt::LeftButton);
        QTest::mouseClick(find("UpDown2ned"), Qt::LeftButton);
        QCOMPARE(find<QComboBox>("KUPONGTYPE")->currentText(), QStringLiteral("MIDTUKE"));
        QVERIFY(text("vistippeomgang").startsWith(QStringLiteral("MIDTUKE ")));

        auto* basis = find<QComboBox>("pauseordiner");
        basis->setCurrentIndex(2);
        emit basis->activated(2);
        QCOMPARE(text("panelinnsatstotalt"), QStringLiteral("5.832"));
        QCOMPARE(text("panelprisprandel"), QStringLiteral("1.167"));
    }

    void previewAndPanelsShowAndHide() {
        auto* preview = find<QWidget>("Panel7");
        auto* commands = find<QWidget>("holdmeny");
        QVERIFY(preview->isHidden());
        QVERIFY(commands->isHidden());
        QTest::mousePress(find("bildeknapp2"), Qt::LeftButton);
        QVERIFY(!commands->isHidden());
        QTest::mouseClick(find("forhaandsvisning"), Qt::LeftButton);
        QVERIFY(!preview->isHidden());
        QVERIFY(commands->isHidden());
        QCOMPARE(text("forhaandsvisningkatalog"), QStringLiteral("UKJENT"));
        QCOMPARE(text("forhaandsvisningfilnavn"), QStringLiteral("IKKE LAGET"));
        QCOMPARE(text("panelsikre"), QStringLiteral("2"));
        QCOMPARE(text("panelhalve"), QStringLiteral("2"));
        QCOMPARE(text("panelinnsatstotalt2"), QStringLiteral("2.916"));
        QTest::mouseClick(find("lukkforhaandsvisning"), Qt::LeftButton);
        QVERIFY(preview->isHidden());

        auto* shares2 = find<QComboBox>("antallandeler2");
        shares2->setCurrentIndex(119);
        emit shares2->activated(119);
        QCOMPARE(find<QComboBox>("antallandeler")->currentIndex(), 119);
        QCOMPARE(text("panelprisprandel"), QStringLiteral("25"));
    }

    // Without a registered player the syndicate can be neither stored, made into an
    // online file nor printed: each command says so and opens nothing.
    void unregisteredPlayerIsRefusedEverywhere() {
        window_.reset();
        QTemporaryDir unregistered;
        QFile settings(unregistered.filePath(QStringLiteral("config.kvs")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("TIPPERNUMMER=UREGISTRERT\r\n");
        settings.close();
        andel::test::RecordingMessages messages;
        Tgridform window(Workspace(unregistered.path().toStdString()), &messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(window.findChild<QAbstractButton*>(QStringLiteral("bildeknapp2")), Qt::LeftButton);
        const std::pair<const char*, std::string_view> refusals[] = {
            {"BitBtn27", andel::kUnregisteredSaveMessage},
            {"BitBtn2", andel::kUnregisteredOnlineMessage},
            {"lagandelsbrevbutton", andel::kUnregisteredRefusal},
        };
        for (const auto& [command, refusal] : refusals) {
            messages.shown.clear();
            QTest::mouseClick(window.findChild<QAbstractButton*>(QString::fromLatin1(command)), Qt::LeftButton);
            QVERIFY2(messages.shown.size() == 1, command);
            QCOMPARE(messages.shown[0].text, std::string(refusal));
            QCOMPARE(int(messages.shown[0].placement), int(andel::MessagePlacement::NearMousePointer));
            QTest::mousePress(window.findChild<QAbstractButton*>(QStringLiteral("bildeknapp2")), Qt::LeftButton);
        }
        QVERIFY(!QDir(unregistered.filePath(QStringLiteral("pul1lgr"))).exists() ||
                QDir(unregistered.filePath(QStringLiteral("pul1lgr"))).isEmpty());
    }

    void prizePanelOpensInPlaceOfTheSystemPanelAndTakesResultClicks() {
        auto* prizes = find<QWidget>("holdpremiebox");
        auto* system = find<QWidget>("systempanel");
        QVERIFY(prizes->isHidden());
        QTest::mouseClick(find("premieknapp"), Qt::LeftButton);
        QVERIFY(!prizes->isHidden());
        QVERIFY(system->isHidden());
        QCOMPARE(text("premie12"), QStringLiteral("-"));  // no pools history here
        auto* results = find<QTableWidget>("testgrid");
        for (int row = 1; row <= 12; ++row) {  // the default stem's first sign on every match
            QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualRect(results->model()->index(row, 1)).center());
        }
        QCOMPARE(results->item(1, 1)->text(), QStringLiteral("X"));
        QCOMPARE(text("pr12"), QStringLiteral("1"));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualRect(results->model()->index(1, 2)).center());
        QCOMPARE(results->item(1, 1)->text(), QString());
        QCOMPARE(text("pr12"), QStringLiteral("-"));
        QCOMPARE(text("pr11"), QStringLiteral("1"));
        QTest::mouseClick(find("Button3"), Qt::LeftButton);
        QVERIFY(prizes->isHidden());
        QVERIFY(!system->isHidden());
    }

    // A BEGGE syndicate's prize panel shows what the coupons win on the half time's result
    // (from the half-time history) beside the full time's; the other bases show no such line.
    void prizePanelShowsTheHalfTimePrizeForBegge() {
        QTemporaryDir directory;
        Tgridform window(Workspace(directory.path().toStdString()), &messages_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto control = [&](const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); };
        const auto shown = [&](const char* name) { return qobject_cast<QLabel*>(control(name))->text(); };
        const andel::GameWeek week =
            andel::parseGameWeek(qobject_cast<QComboBox*>(control("ukecombobox"))->currentText().toStdString());
        QDir(directory.path()).mkdir(QStringLiteral("tippehistorikk"));
        for (const auto& [file, result] : {std::pair{"lf.txt", "111111111111"}, std::pair{"lp.txt", "111111111112"}}) {
            andel::StatisticsRecord line;
            line.week = week.week;
            line.year = week.year;
            line.resultText = result;
            line.prize12 = 1000000;
            line.prize11 = 150000;
            line.prize10 = 2500;
            std::ofstream(directory.filePath(QStringLiteral("tippehistorikk/") + QString::fromLatin1(file)).toStdString(),
                          std::ios::binary)
                << andel::formatHistoryLine(line) << "\r\n";
        }
        auto* pause = control("premiepause");
        QTest::mouseClick(control("premieknapp"), Qt::LeftButton);
        const QString fullTime = shown("premietotalt");
        QVERIFY(pause->isHidden());
        QTest::mouseClick(control("Button3"), Qt::LeftButton);

        auto* bases = qobject_cast<QComboBox*>(control("pauseordiner"));
        bases->setFocus();
        QTest::keyClick(bases, Qt::Key_End);
        QCOMPARE(bases->currentText(), QStringLiteral("BEGGE"));
        QTest::mouseClick(control("premieknapp"), Qt::LeftButton);
        QVERIFY(pause->isVisible());
        QCOMPARE(shown("premietotalt"), fullTime);
        QCOMPARE(shown("premiepause"), QStringLiteral("182.500"));
        QVERIFY(shown("premiepause") != fullTime);
    }

    // A working directory where nothing can be written: the first creation step reports
    // it, the window opens with what it has, and closing does not crash.
    void unwritableWorkingDirectoryOpensAsFarAsItGot() {
        window_.reset();
        QTemporaryDir directory;
        QFile blocker(directory.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        andel::test::RecordingMessages messages;
        auto window = std::make_unique<Tgridform>(Workspace((directory.path() + "/file/arbeid").toStdString()), &messages);
        QVERIFY(!messages.shown.empty());
        QVERIFY(messages.shown[0].text.find("Apulje1.tmp") != std::string::npos);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("rekkertotalt"))->text(), QStringLiteral("2.916"));
        window->show();
        window->close();
        QVERIFY(!window->isVisible());
    }

    void draggingAMatchSwapsStemRowsWithoutRecomputing() {
        QTableWidget* coupons = grid("StringGrid2");
        QWidget* viewport = coupons->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, cellCentre(coupons, 1, 1));
        QMouseEvent move(QEvent::MouseMove, cellCentre(coupons, 5, 1), viewport->mapToGlobal(cellCentre(coupons, 5, 1)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, cellCentre(coupons, 5, 1));
        QCOMPARE(grid("StringGrid1")->item(5, 3)->text(), QString());    // match 1 (H) moved to row 5
        QCOMPARE(grid("StringGrid1")->item(1, 3)->text(), QStringLiteral("X"));
        QCOMPARE(text("rekkertotalt"), QStringLiteral("2.916"));          // not recomputed
        QCOMPARE(coupons->item(5, 1)->text(), QStringLiteral("S"));       // the kind moved with the match
        QCOMPARE(coupons->item(5, 3)->text(), QStringLiteral("7"));       // coupon columns still the old stem
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
