// The stem in hand under every outcome, from the command panel; and its rows exported
// from the "Fil" menu, checked back against the prize panel's count.
#include "main_window/main_window.h"

#include "model/stem_analysis.h"
#include "platform/file_io.h"
#include "results/prize_count.h"
#include "results/row_lines.h"
#include "results/system_analysis_window.h"
#include "support/recording_messages.h"
#include "workbench/stem_editing.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using andel::Tgridform;
using andel::Workspace;

class SystemAnalysisWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    andel::test::RecordingMessages messages_;
    Workspace workspace() const { return Workspace(directory_.path().toStdString()); }

private slots:
    void commandPanelShowsTheSystemUnderEveryOutcome() {
        Tgridform window(workspace(), &messages_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mousePress(window.findChild<QToolButton*>(QStringLiteral("bildeknapp2")), Qt::LeftButton);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("systemanalyse"));
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);

        auto* analysis = window.findChild<andel::Tsystemanalyse*>();
        QVERIFY(analysis && analysis->isVisible());
        const andel::Stem stem = andel::stemOf(window.state());
        const auto expected = andel::analyseSystem(andel::couponsOf(window.state()), stem.masks);
        QCOMPARE(analysis->analysis().allRight.best, expected.allRight.best);
        auto* table = analysis->findChild<QTableWidget*>(QStringLiteral("analysetabell"));
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("26.244"));  // the default stem: 2 sure, 2 half, 8 full
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("0"));  // no outcome below 10 right
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2.916"));
        const QString guarantee = analysis->findChild<QLabel*>(QStringLiteral("garanti"))->text();
        QVERIFY2(guarantee.startsWith(QStringLiteral("Garantien holder")), qPrintable(guarantee));
        QVERIFY(!window.state().commandPanelVisible);
    }

    void rowsExportedFromTheMenuCheckBackToThePrizeCount() {
        Tgridform window(workspace(), &messages_);
        const QString file = directory_.filePath(QStringLiteral("rekker.txt"));
        window.useRowsExportChooser([&](const QString&) { return andel::RowsExportChoice{file, andel::RowLayout::Plain}; });
        window.show();
        messages_.shown.clear();
        window.findChild<QAction*>(QStringLiteral("eksporterrekker"))->trigger();
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QVERIFY2(messages_.shown[0].text.find("Eksporterte 2.916 rekker til") == 0, messages_.shown[0].text.c_str());

        const auto bytes = andel::readFileBytes(std::filesystem::path(file.toStdU16String()));
        QVERIFY(bytes);
        const andel::ResultMasks result = {4, 4, 2, 2, 1, 4, 2, 1, 4, 2, 1, 4};
        const andel::RowCheck check = andel::checkRowLines(*bytes, "11XX21X21X21");
        QCOMPARE(check.count.rows, andel::countPrizes(andel::couponsOf(window.state()), result).rows);
        QCOMPARE(check.rows, std::int64_t{2916});
    }
};

QTEST_MAIN(SystemAnalysisWindowTest)
#include "system_analysis_window_test.moc"
