// The storage browser's wiring: a stored syndicate is listed, chosen and loaded back
// identical; marking and deleting reach the files.
#include "storage/storage_browser_window.h"

#include "platform/file_io.h"
#include "storage/storage_file.h"
#include "storage/storage_load.h"
#include "storage/storage_save.h"
#include "support/recording_messages.h"
#include "workbench/recompute.h"
#include "workbench/stem_editing.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <set>

using namespace andel;

class StorageBrowserWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    test::RecordingMessages messages_;
    Workspace workspace() const { return Workspace(directory_.path().toStdString()); }

    WorkbenchState syndicate(const std::string& first, int second) {
        WorkbenchState state = initialWorkbenchState();
        state.ukecomboboxItems = {" UKE 06 -2000", " UKE 05 -2000"};
        state.ukecombobox = 1;
        toggleStemCell(state, 3, 5);
        state.kupongtype = 1;
        state.xfornavn = first;
        state.etternavn = "Nordmann";
        state.spillenummer = "123 456 789";
        chooseShares(state, 7);
        saveRowsCommand(state, workspace(), messages_, LocalDateTime{std::chrono::year{2009} / 3 / 7, 9, 5, second});
        return state;
    }
    static void clickRow(QTableWidget* table, int row) {
        const QPoint centre = table->visualRect(table->model()->index(row, 2)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    // A syndicate voided while the list is open (in the ledger window or by another
    // program) is marked ANNULLERT as soon as the books are written, without listing anew.
    void aVoidingIsShownWhileTheListIsOpen() {
        QTemporaryDir directory;
        const Workspace workspace(directory.path().toStdString());
        std::filesystem::create_directories(workspace.root() / "pul1lgr");
        WorkbenchState state = initialWorkbenchState();
        state.xfornavn = "Kari";
        replaceFile(workspace.root() / "pul1lgr" / "A.TXT",
                       encodeTextLines(storageFileLines(state, StorageMode::Online, "1000", LocalDateTime{std::chrono::year{2009} / 3 / 7, 9, 5, 1})));
        const std::filesystem::path books = workspace.root() / "regnskap.db";
        replaceFile(books, "1");
        std::set<std::string> voided;
        Thentrekker browser(workspace, messages_, [] { return DisketteRoot(); });
        browser.setVoidedSerials([&] { return voided; }, {books});
        browser.listStorage(StorageSource::HardDisk);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        auto* table = browser.findChild<QTableWidget*>(QStringLiteral("lagertabell"));
        QCOMPARE(table->rowCount(), 1);
        const auto typeCell = [&] {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->horizontalHeaderItem(c)->text() == QStringLiteral(" O/L")) return table->item(0, c)->text();
            }
            return QString();
        };
        QCOMPARE(typeCell(), QStringLiteral("ONLINE"));
        voided = {"1000"};
        replaceFile(books, "2");
        QTRY_COMPARE(typeCell(), QStringLiteral("ANNULLERT"));
    }

    void chosenSyndicateComesBackIdentical() {
        const WorkbenchState saved = syndicate("Kari", 3);
        Thentrekker browser(workspace(), messages_, [] { return DisketteRoot(); });
        browser.show();
        auto* table = browser.findChild<QTableWidget*>(QStringLiteral("lagertabell"));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Kari"));
        QCOMPARE(table->item(0, 4)->text(), QStringLiteral("SØNDAG"));
        QVERIFY(table->isColumnHidden(1));

        QSignalSpy fetch(&browser, &Thentrekker::fetchStoredRows);
        clickRow(table, 0);
        QCOMPARE(fetch.count(), 1);
        QVERIFY(!browser.isVisible());

        WorkbenchState loaded = initialWorkbenchState();
        QVERIFY(loadStoredRows(loaded, browser.storagePath(), browser.chosen().fileName, messages_, {}).loaded);
        recomputeSystem(loaded);
        QVERIFY(loaded.stemGrid.cells == saved.stemGrid.cells);
        for (int column : {1, 2, 3, 5, 9, 13}) {
            for (int row = 1; row <= kRowsPerCouponRow; ++row) QCOMPARE(loaded.couponGrid.at(column, row), saved.couponGrid.at(column, row));
        }
        QCOMPARE(loaded.kupongtype, 1);
        QCOMPARE(loaded.antallandeler, 7);
        QCOMPARE(loaded.ukecomboboxItems[loaded.ukecombobox], std::string(" UKE 05 -2000"));
        QCOMPARE(loaded.panel55, std::string("Kari Nordmann 123 456 789"));
        QVERIFY(loaded.online.availability.empty());
    }

    void marksAndDeletesFiles() {
        syndicate("Ola", 10);
        syndicate("Per", 11);
        Thentrekker browser(workspace(), messages_, [] { return DisketteRoot(); });
        browser.show();
        auto* table = browser.findChild<QTableWidget*>(QStringLiteral("lagertabell"));
        auto* hold = browser.findChild<QCheckBox*>(QStringLiteral("holdforsletting"));
        const int before = table->rowCount();
        hold->setChecked(true);
        QCOMPARE(hold->text(), QStringLiteral(" Klikk på de linjene du vil slette !    "));
        QVERIFY(!table->isColumnHidden(1));
        QSignalSpy fetch(&browser, &Thentrekker::fetchStoredRows);
        clickRow(table, 0);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("SLETT:"));
        QCOMPARE(fetch.count(), 0);

        std::size_t asked = 0;
        browser.setDeleteConfirmation([&](std::size_t count) {
            asked = count;
            return true;
        });
        browser.findChild<QToolButton*>(QStringLiteral("slettmerkede"))->click();
        QCOMPARE(asked, std::size_t{1});
        QCOMPARE(table->rowCount(), before - 1);
        QVERIFY(!hold->isChecked());
        QCOMPARE(hold->text(), QStringLiteral(" Hold for sletting i lageret     "));
    }
};

QTEST_MAIN(StorageBrowserWindowTest)
#include "storage_browser_window_test.moc"
