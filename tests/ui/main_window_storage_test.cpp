// The road of a stored syndicate through the windows: "Lagre rekker", the storage
// browser, a click on its row, and the syndicate back in the main window.
#include "main_window/main_window.h"

#include "support/recording_messages.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using andel::Tgridform;
using andel::Workspace;

class MainWindowStorageTest : public QObject {
    Q_OBJECT

private slots:
    void storedSyndicateComesBackIdentical() {
        QTemporaryDir directory;
        andel::test::RecordingMessages messages;
        Tgridform window(Workspace(directory.path().toStdString()), &messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* stem = window.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        QTest::mouseClick(stem->viewport(), Qt::LeftButton, {}, stem->visualRect(stem->model()->index(5, 3)).center());
        auto* type = window.findChild<QComboBox*>(QStringLiteral("KUPONGTYPE"));
        type->setCurrentIndex(1);
        emit type->activated(1);
        auto* shares = window.findChild<QComboBox*>(QStringLiteral("antallandeler"));
        shares->setCurrentIndex(7);
        emit shares->activated(7);
        const andel::WorkbenchState saved = window.state();

        QTest::mousePress(window.findChild<QToolButton*>(QStringLiteral("bildeknapp2")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("BitBtn27")), Qt::LeftButton);
        QCOMPARE(messages.shown.size(), std::size_t{1});
        QCOMPARE(messages.shown[0].text, std::string("   Intern lagring OK    "));

        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("BitBtn5")), Qt::LeftButton);
        type->setCurrentIndex(0);
        emit type->activated(0);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("rekkertotalt"))->text(), QStringLiteral("59.049"));

        QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("bildeknapp5")), Qt::LeftButton);
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("lagertabell"));
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->rowCount(), 1);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 2)).center());

        const andel::WorkbenchState& loaded = window.state();
        QVERIFY(loaded.stemGrid.cells == saved.stemGrid.cells);
        // Column 4 is unused by the system; the storage writes its empty cells as "0".
        for (int column : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13}) {
            for (int row = 1; row <= andel::kRowsPerCouponRow; ++row) {
                QCOMPARE(loaded.couponGrid.at(column, row), saved.couponGrid.at(column, row));
            }
        }
        QCOMPARE(loaded.kupongtype, 1);
        QCOMPARE(loaded.antallandeler, 7);
        QCOMPARE(loaded.ukecombobox, saved.ukecombobox);
        QCOMPARE(loaded.panel55, saved.panel55);
        QCOMPARE(loaded.online.pathAndName, saved.online.pathAndName);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("rekkertotalt"))->text(), QStringLiteral("1.944"));
        QCOMPARE(type->currentText(), QStringLiteral("SØNDAG"));
    }
};

QTEST_MAIN(MainWindowStorageTest)
#include "main_window_storage_test.moc"
