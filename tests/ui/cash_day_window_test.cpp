// The agent's day by keyboard only: the drawer's figure in the main window follows the cash
// taken for shares, the drawer counted note by note with a difference and its reason, the
// day closed from the menu Kasse, and that settlement shown again from the list with the
// same figures.
#include "books/books_rules.h"
#include "books/cash_day.h"
#include "books/journal.h"
#include "main_window/main_window.h"
#include "support/keyboard_agent.h"
#include "support/recording_messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace andel;
using namespace andel::test;

namespace {

SyndicateFacts syndicate() {
    SyndicateFacts f;
    f.serialNumber = "1042";
    f.week = GameWeek{50, 2026, {}};
    f.rows = 1;
    f.stake = 4 * 146;
    f.shares = 4;
    f.pricePerShare = 146;
    f.onlineFile = "C:\\NTFILE\\KRYSSEN.NTF";
    for (int m = 0; m < kMatches; ++m) f.coupons[0].masks[m] = kHome;
    return f;
}

QStringList reportLines(QWidget* report) {
    QStringList lines;
    auto* table = report->findChild<QTableWidget*>(QStringLiteral("linjer"));
    for (int row = 0; row < table->rowCount(); ++row) lines << table->item(row, 0)->text() + " " + table->item(row, 1)->text();
    return lines;
}

}  // namespace

class CashDayWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theDayIsCountedClosedAndShownAgainByKeyboard() {
        QTemporaryDir directory;
        const Workspace workspace(directory.path().toStdString());
        std::ofstream(workspace.root() / "config.kvs", std::ios::binary) << "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\n";
        RecordingMessages messages;
        {
            Journal journal(workspace);
            const Clerk clerk = clerkOf(workspace);
            QCOMPARE(openLedgerInBooks(journal, clerk, syndicate()).opening, LedgerOpening::Created);
            QCOMPARE(setBuyerInBooks(journal, clerk, "1042", 1, BuyerChange{"Ola Hansen", {}, {}, {}}), std::string());
        }
        Tgridform window(workspace, &messages);
        window.attachWindows();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* drawer = window.findChild<QLabel*>(QStringLiteral("kassen"));
        QCOMPARE(drawer->text(), QStringLiteral("Kassen: kr 0"));

        // A payment recorded anywhere (here another program) shows in the bar at once.
        {
            Journal journal(workspace);
            QCOMPARE(payInBooks(journal, clerkOf(workspace), "1042", 1, std::nullopt, std::nullopt), std::string());
        }
        QTRY_COMPARE(drawer->text(), QStringLiteral("Kassen: kr 146"));

        const auto modal = [](const char* className) -> QWidget* {
            QWidget* up = QApplication::activeModalWidget();
            return up && up->inherits(className) && QApplication::activeWindow() == up ? up : nullptr;
        };
        const auto menu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
        const auto shown = [](const char* className) -> QWidget* {
            QWidget* active = QApplication::activeWindow();
            return active && active->inherits(className) && !QApplication::activeModalWidget() ? active : nullptr;
        };
        QStringList closedLines;
        KeyboardAgent agent({
            {"the main window", [&] { return QApplication::activeWindow() == &window; },
             [] { press(focused(), Qt::Key_K, Qt::AltModifier); }},
            {"the menu Kasse", [&] { return menu() != nullptr; }, [&] { press(menu(), Qt::Key_D); }},
            {"the count", [&] { return modal("andel::Tdagsoppgjor") && focused(); },
             [&] {
                 QVERIFY(tabTo("antall100"));
                 QTest::keyClicks(focused(), QStringLiteral("1"));
                 QVERIFY(tabTo("antall20"));
                 QTest::keyClicks(focused(), QStringLiteral("2"));
                 QWidget* dialog = modal("andel::Tdagsoppgjor");
                 QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("talt"))->text(), QStringLiteral("140"));
                 QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("differanse"))->text(), QStringLiteral("kr -6"));
                 QVERIFY(tabTo("grunn"));
                 QTest::keyClicks(focused(), QStringLiteral("vekslet feil"));
                 press(focused(), Qt::Key_A, Qt::AltModifier);  // "Avslutt dagen", answered Ja
             }},
            {"the settlement shown", [&] { return shown("andel::Tkasserapport"); },
             [&] {
                 QWidget* report = shown("andel::Tkasserapport");
                 QCOMPARE(report->windowTitle(), QStringLiteral("Dagsoppgjør nr 1"));
                 closedLines = reportLines(report);
                 press(focused(), Qt::Key_L, Qt::AltModifier);
             }},
            // Without a window manager nothing hands the keyboard back when a window closes.
            {"the report closed", [&] { return !shown("andel::Tkasserapport") && !QApplication::activeModalWidget(); },
             [&] { QApplication::setActiveWindow(&window); }},
            {"back in the main window", [&] { return QApplication::activeWindow() == &window; },
             [] { press(focused(), Qt::Key_K, Qt::AltModifier); }},
            {"the menu Kasse again", [&] { return menu() != nullptr; }, [&] { press(menu(), Qt::Key_O); }},
            {"the list of settlements", [&] { return shown("andel::Tdagsoppgjorliste") && focused(); },
             [] { press(focused(), Qt::Key_Return); }},
        });
        QTRY_VERIFY2_WITH_TIMEOUT(agent.done(), qPrintable(QStringLiteral("waiting for ") + agent.waitingFor()), 30000);
        QTRY_VERIFY(shown("andel::Tkasserapport"));
        QCOMPARE(reportLines(shown("andel::Tkasserapport")), closedLines);
        QVERIFY(closedLines.contains(QStringLiteral("Talt kr 140")));
        QVERIFY(closedLines.contains(QStringLiteral("Differanse kr -6")));
        QVERIFY(closedLines.contains(QStringLiteral("Grunn: vekslet feil ")));
        QTRY_COMPARE(drawer->text(), QStringLiteral("Kassen: kr 140"));
        Journal journal(workspace);
        QCOMPARE(journal.read([&] { return daySettlements(journal); }).size(), std::size_t{1});
    }
};

QTEST_MAIN(CashDayWindowTest)
#include "cash_day_window_test.moc"
