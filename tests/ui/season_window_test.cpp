// The season as the agent reads it: each round's money and whether its result is
// confirmed, a forecast or not known; voided ledgers left out; and a chart in which a
// stake of a few hundred kroner stays readable beside a prize of millions.
#include "books/ledger_store.h"
#include "books/old_ledger_files.h"
#include "accounts/season_chart_panel.h"
#include "accounts/season_window.h"
#include "results/pools_history.h"
#include "support/modal_answer.h"
#include "support/recording_messages.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>

using namespace andel;

class SeasonWindowTest : public QObject {
    Q_OBJECT

private:
    static Ledger ledger(const std::string& serial, int week) {
        SyndicateFacts facts;
        facts.serialNumber = serial;
        facts.week = {week, 2026, {}};
        facts.rows = facts.stake = 210;
        facts.shares = 10;
        facts.pricePerShare = 21;
        for (int m = 0; m < kMatches; ++m) facts.coupons[0].masks[m] = kHome;
        Ledger made = emptyLedger(facts);
        made.entries[0].name = "Kari";
        made.entries[0].paid = 21;
        return made;
    }

private slots:
    void roundsSayWhereTheirResultStandsAndVoidedOnesAreLeftOut() {
        QTemporaryDir directory;
        const Workspace workspace(directory.path().toStdString());
        StatisticsRecord record;
        record.year = 2026;
        record.week = 48;
        record.resultText = "111111111111";
        record.prize12 = 2'000'000;
        std::filesystem::create_directories(workspace.file("tippehistorikk"));
        std::ofstream(workspace.file("tippehistorikk/lf.txt"), std::ios::binary) << formatHistoryLine(record, "01.12.2026") << "\r\n";

        Ledger confirmed = ledger("1001", 47);
        confirmed.confirmed = ConfirmedResult{{30, 11, 2026}, {"111111111111", 0, 0, 210}, std::nullopt};
        Ledger voided = ledger("1002", 48);
        voided.voided = LedgerVoiding{{1, 12, 2026}, "laget to ganger"};
        for (const Ledger& l : {confirmed, ledger("1003", 48), voided, ledger("1004", 49)}) saveLedger(workspace, l);

        test::RecordingMessages messages;
        Tsesong season(workspace, messages);
        season.reload();
        season.show();
        auto* table = season.findChild<QTableWidget*>(QStringLiteral("sesongtabell"));
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 4);  // three rounds and the total
        const auto cell = [&](int row, const QString& heading) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->horizontalHeaderItem(c)->text() == heading) return table->item(row, c)->text();
            }
            return QStringLiteral("(no column %1)").arg(heading);
        };
        QCOMPARE(cell(0, QStringLiteral("Serienummer")), QStringLiteral("1001"));
        QCOMPARE(cell(0, QStringLiteral("Resultatet er")), QStringLiteral("godkjent"));
        QCOMPARE(cell(1, QStringLiteral("Resultatet er")), QStringLiteral("foreløpig"));
        QCOMPARE(cell(1, QStringLiteral("Premie")), QStringLiteral("2.000.000"));
        QCOMPARE(cell(2, QStringLiteral("Resultatet er")), QStringLiteral("ikke kjent"));
        QCOMPARE(cell(0, QStringLiteral("Innbetalt")), QStringLiteral("21"));
        QCOMPARE(cell(0, QStringLiteral("Usolgte andeler")), QStringLiteral("9"));
        QCOMPARE(cell(3, QStringLiteral("Innbetalt")), QStringLiteral("63"));
        const QString summary = season.findChild<QLabel*>(QStringLiteral("sesongsum"))->text();
        // Only the confirmed round is settled: the forecast of 2.000.000 is not money yet.
        QVERIFY2(summary.contains(QStringLiteral("(2 uten godkjent resultat, ikke regnet med)")), qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("Resultat kr -210")), qPrintable(summary));
    }

    // The save dialog's choice is written, and the agent is told where it went.
    void anExportSaysWhereItWent() {
        QTemporaryDir directory;
        const Workspace workspace(directory.path().toStdString());
        saveLedger(workspace, ledger("1001", 47));
        test::RecordingMessages messages;
        Tsesong season(workspace, messages);
        season.reload();
        season.show();
        // Told where it went, and there it is: a workbook (a zip) or CSV (a byte-order mark).
        const auto saidAndSaved = [&](const QString& file, const QByteArray& starts) {
            QCOMPARE(messages.shown.size(), std::size_t{1});
            QCOMPARE(messages.shown[0].text, "Lagret i\r" + QDir::toNativeSeparators(file).toStdString());
            QFile written(file);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.read(starts.size()), starts);
        };
        for (const bool workbook : {true, false}) {
            const QString file = directory.filePath(workbook ? QStringLiteral("sesong.xlsx") : QStringLiteral("sesong.csv"));
            QString suggested;
            season.setExportChooser([&](const QString& offered) -> std::optional<AccountsExportChoice> {
                suggested = offered;
                return AccountsExportChoice{file, workbook};
            });
            messages.shown.clear();
            // Return in the table presses no button: only the click exports.
            auto* table = season.findChild<QTableWidget*>(QStringLiteral("sesongtabell"));
            table->setFocus();
            QTest::keyClick(table, Qt::Key_Return);
            QVERIFY(suggested.isEmpty());
            QTest::mouseClick(season.findChild<QPushButton*>(QStringLiteral("eksporter")), Qt::LeftButton);
            QCOMPARE(suggested, QDir::toNativeSeparators(directory.filePath(QStringLiteral("sesongen"))));
            saidAndSaved(file, workbook ? QByteArray("PK") : QByteArray("\xEF\xBB\xBF"));
        }

        // The program's own save dialog offers the workbook beside CSV; a name typed
        // without an ending gets the chosen kind's.
        season.setExportChooser(accountsExportDialog(&season));
        messages.shown.clear();
        const QString workbook = QStringLiteral("Excel-arbeidsbok (*.xlsx)");
        QStringList offered;
        test::ModalAnswer save("QFileDialog", [&](QWidget* modal) {
            auto* dialog = static_cast<QFileDialog*>(modal);
            offered = dialog->nameFilters();
            dialog->selectNameFilter(workbook);
            dialog->selectFile(directory.filePath(QStringLiteral("min_sesong")));
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::mouseClick(season.findChild<QPushButton*>(QStringLiteral("eksporter")), Qt::LeftButton);
        QVERIFY2(save.result().empty(), save.result().c_str());
        QVERIFY2(offered.contains(workbook) && offered.size() == 2, qPrintable(offered.join(QLatin1Char('|'))));
        saidAndSaved(directory.filePath(QStringLiteral("min_sesong.xlsx")), QByteArray("PK"));
    }

    void aSmallStakeStaysReadableBesideAPrizeOfMillions() {
        Season season;
        season.rows.push_back(SeasonRow{"1042", {49, 2026, {}}, CouponType::Saturday, 210, 210, 10, 7, 0, 0, {}});
        season.rows.back().winnings.prize = 2'000'000;
        const std::int64_t top = chartScaleTop(season);
        QCOMPARE(top, std::int64_t{10'000'000});
        QVERIFY(chartHeight(210, top) > 0.3);  // on a straight scale it would be 0.00002 of the height
        QVERIFY(chartHeight(2'000'000, top) > chartHeight(210, top));
        QCOMPARE(chartHeight(0, top), 0.0);
        QCOMPARE(chartHeight(top, top), 1.0);
    }
};

QTEST_MAIN(SeasonWindowTest)
#include "season_window_test.moc"
