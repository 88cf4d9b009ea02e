// At the counter by keyboard alone: the player is chosen from the register the main
// window opens, by typing, arrow keys and Enter.
#include "main_window/main_window.h"

#include "register/register_file.h"
#include "support/recording_messages.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using andel::Tgridform;
using andel::Workspace;

class CounterKeyboardTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    andel::test::RecordingMessages messages_;
    Workspace workspace() const { return Workspace(directory_.path().toStdString()); }

private slots:
    void initTestCase() {
        const char* names[][2] = {{"Ola", "Hansen"}, {"Hallvard", "Halvorsen"}, {"Halldis", "Hals"}, {"Kari", "Nordmann"}};
        std::uint32_t number = 100200300;
        for (const auto& [first, last] : names) {
            andel::Tkunderec customer;
            customer.firstName = first;
            customer.lastName = last;
            customer.playerNumber = number++;
            QVERIFY(andel::appendCustomer(workspace(), customer, messages_));
        }
    }

    void typeArrowsAndEnterChooseThePlayer() {
        Tgridform window(workspace(), &messages_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* name = window.findChild<QLabel*>(QStringLiteral("panel55"));

        // Once the register is up the agent types "hal", presses Down twice and Enter. The
        // register is closed whatever happens, so a failure never leaves the test waiting.
        bool typed = false;
        QTimer agent;
        connect(&agent, &QTimer::timeout, &window, [&] {
            auto* dialog = window.findChild<QDialog*>(QStringLiteral("Tkundekartotek"));
            if (!dialog || !dialog->isVisible() || QApplication::activeModalWidget() != dialog) return;
            agent.stop();
            QWidget* focus = QApplication::focusWidget();
            typed = focus == dialog->findChild<QLineEdit*>(QStringLiteral("sokefelt"));
            if (typed) {
                QTest::keyClicks(focus, QStringLiteral("hal"));
                QTest::keyClick(focus, Qt::Key_Down);
                QTest::keyClick(focus, Qt::Key_Down);
                QTest::keyClick(focus, Qt::Key_Return);
            }
            if (dialog->isVisible()) dialog->reject();
        });
        agent.start(20);
        QTest::mousePress(name, Qt::LeftButton);
        QVERIFY2(typed, "the register did not open with its search field in focus");
        // Sorted by last name: Hals, Halvorsen, Hansen, Nordmann; "HAL" finds Hals.
        QCOMPARE(name->text(), QStringLiteral("Ola Hansen 100 200 300"));
        QVERIFY(messages_.shown.empty());
    }
};

QTEST_MAIN(CounterKeyboardTest)
#include "counter_keyboard_test.moc"
