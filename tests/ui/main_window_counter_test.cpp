// The main window at the counter: the player chosen from the register by keyboard alone,
// the pictures that tell storing from making the online file, and "Om andelstipp".
#include "main_window/main_window.h"

#include "register/register_file.h"
#include "support/recording_messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using andel::Tgridform;
using andel::Workspace;

class MainWindowCounterTest : public QObject {
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
        QElapsedTimer waited;
        waited.start();
        QTimer agent;
        connect(&agent, &QTimer::timeout, &window, [&] {
            auto* dialog = window.findChild<QDialog*>(QStringLiteral("Tkundekartotek"));
            const bool up = dialog && dialog->isVisible() && QApplication::activeModalWidget() == dialog;
            QWidget* focus = QApplication::focusWidget();
            const bool ready = up && focus == dialog->findChild<QLineEdit*>(QStringLiteral("sokefelt"));
            if (!ready && waited.elapsed() < 5000) return;  // the window system may activate it a little later
            agent.stop();
            typed = ready;
            if (typed) {
                QTest::keyClicks(focus, QStringLiteral("hal"));
                QTest::keyClick(focus, Qt::Key_Down);
                QTest::keyClick(focus, Qt::Key_Down);
                QTest::keyClick(focus, Qt::Key_Return);
            }
            if (dialog && dialog->isVisible()) dialog->reject();
        });
        agent.start(20);
        // The agent was marking the stem: the keyboard goes back there once the player is taken.
        auto* stem = window.findChild<QWidget*>(QStringLiteral("StringGrid1"));
        stem->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), stem);
        QTest::mousePress(name, Qt::LeftButton);
        QVERIFY2(typed, "the register did not open with its search field in focus");
        // Sorted by last name: Hals, Halvorsen, Hansen, Nordmann; "HAL" finds Hals.
        QCOMPARE(name->text(), QStringLiteral("Ola Hansen 100 200 300"));
        QVERIFY(messages_.shown.empty());
        QTRY_COMPARE(QApplication::focusWidget(), stem);
    }

    // "Lagre tipperekker" and "Lag onlinefil" do different things and must not look alike.
    void storingAndMakingTheOnlineFileHaveTheirOwnPictures() {
        Tgridform window(workspace(), &messages_);
        window.show();
        const auto picture = [&](const char* name) {
            auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
            return button ? button->icon().pixmap(QSize(32, 32)).toImage() : QImage();
        };
        QVERIFY(!picture("SpeedButton4").isNull());
        QVERIFY(!picture("BitBtn2").isNull());
        QVERIFY(picture("SpeedButton4") != picture("BitBtn2"));
    }

    void aboutTellsTheVersionAndWhereTheFilesAre() {
        Tgridform window(workspace(), &messages_);
        window.show();
        messages_.shown.clear();
        auto* about = window.findChild<QAction*>(QStringLiteral("omandelstipp"));
        QVERIFY(about);
        about->trigger();
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        const std::string text = messages_.shown[0].text;
        QVERIFY2(text.rfind("andelstipp " ANDELSTIPP_VERSION "\r", 0) == 0, text.c_str());
        // Each place in the system's own form: backslashes on Windows.
        for (const char* name : {"config.kvs", "WTOM.KVS", "andelsregnskap", "onlcopi"}) {
            const std::string place = QDir::toNativeSeparators(directory_.filePath(QString::fromLatin1(name))).toStdString();
            QVERIFY2(text.find(place) != std::string::npos, (place + " missing in " + text).c_str());
        }
    }
};

QTEST_MAIN(MainWindowCounterTest)
#include "main_window_counter_test.moc"
