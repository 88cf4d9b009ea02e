// Choosing the syndicate's player: the register window opens from the name field, a
// click on a customer closes it, and the main window takes the player; the message
// 12707 from outside takes the register's current customer the same way.
#include "main_window/main_window.h"

#include "handover/message_listener.h"
#include "handover/presence_files.h"
#include "handover/window_message.h"
#include "platform/message_socket.h"
#include "register/register_file.h"
#include "register/register_window.h"
#include "settings/settings_store.h"
#include "support/recording_messages.h"

#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <thread>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using andel::Tgridform;
using andel::Workspace;

class MainWindowPlayerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir directory_;
    andel::test::RecordingMessages messages_;
    Workspace workspace() const { return Workspace(directory_.path().toStdString()); }

    // Sends one line to the window's socket from beside the event loop.
    static void send(const Workspace& workspace, const std::string& line) {
        const auto handle = andel::readHandleFile(workspace);
        QVERIFY(handle);
        std::string error;
        bool done = false;
        std::thread sender([&] {
            andel::sendToMessageSocket(andel::messageSocketPath(*handle), line, error);
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
        sender.join();
    }

private slots:
    void initTestCase() {
        andel::Tkunderec customer;
        customer.firstName = "Åse";
        customer.lastName = "Ødegård";
        customer.playerNumber = 12345678;
        QVERIFY(andel::appendCustomer(workspace(), customer, messages_));
    }

    void chosenCustomerBecomesThePlayer() {
        Tgridform window(workspace(), &messages_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* name = window.findChild<QLabel*>(QStringLiteral("panel55"));
        QCOMPARE(name->text(), QStringLiteral("Tippe Vinnesen 000000000"));

        // Once the register is up, the agent clicks the customer's row.
        QTimer chooser;
        connect(&chooser, &QTimer::timeout, &window, [&window, &chooser] {
            auto* dialog = window.findChild<QDialog*>(QStringLiteral("Tkundekartotek"));
            if (!dialog || !dialog->isVisible()) return;
            chooser.stop();
            auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("kundetabell"));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 1)).center());
            if (dialog->isVisible()) dialog->reject();  // never leave the test hanging
        });
        chooser.start(20);
        QTest::mousePress(name, Qt::LeftButton);
        QCOMPARE(name->text(), QStringLiteral("Åse Ødegård 012 345 678"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("spillenummer"))->text(), QStringLiteral("012 345 678"));
        QVERIFY(messages_.shown.empty());
    }

    void messageFromOutsideTakesTheRegistersCustomer() {
        andel::SettingsStore settings = andel::mainStore(workspace(), messages_);
        QVERIFY(settings.setString("FORNAVN", "Per") && settings.setString("ETTERNAVN", "Hansen"));
        Tgridform window(workspace(), &messages_);
        andel::Tkundekartotek customerRegister(workspace(), messages_);
        window.attachWindows({.customerRegister = &customerRegister});
        window.show();
        customerRegister.show();  // loading the register makes its first row current
        auto* name = window.findChild<QLabel*>(QStringLiteral("panel55"));
        QCOMPARE(name->text(), QStringLiteral("Per Hansen 000000000"));

        const auto handle = andel::readHandleFile(workspace());
        QVERIFY(handle);
        std::string error;
        bool sent = false;
        // The sender waits for the window to take the line, so it runs beside the event loop.
        std::thread sender([&] {
            sent = andel::sendToMessageSocket(andel::messageSocketPath(*handle),
                                              andel::formatWindowMessage({12707, 0, 0}) + "\n", error);
        });
        QTRY_VERIFY_WITH_TIMEOUT(sent || !error.empty(), 5000);
        sender.join();
        QVERIFY2(sent, error.c_str());
        QTRY_COMPARE(name->text(), QStringLiteral("Åse Ødegård 012 345 678"));
        QVERIFY(messages_.shown.empty());
    }

    void junkIsIgnoredAndShowOrCloseClosesWithItsSteps() {
        Tgridform window(workspace(), &messages_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* listener = window.findChild<andel::MessageListener*>();
        QVERIFY(listener);
        std::vector<andel::WindowMessage> taken;
        connect(listener, &andel::MessageListener::messageReceived, this,
                [&taken](const andel::WindowMessage& message) { taken.push_back(message); });
        QVERIFY(QFile::exists(directory_.filePath(QStringLiteral("Apulje1.tmp"))));
        QVERIFY(QFile::exists(directory_.filePath(QStringLiteral("wtpulje1.tmp"))));
        send(workspace(), "junk\n");
        send(workspace(), std::string(5000, '1') + "\n");
        send(workspace(), std::string(65, 'x') + "13319 1 1\n");  // the tail of a long line is no message
        send(workspace(), "13319 0");  // a partial line
        send(workspace(), "13319 0 0\n");
        // Each send returns once the window has taken its line: the junk gave no message,
        // and the one message (bring to front) left the window open.
        QTRY_COMPARE(taken.size(), std::size_t{1});
        QCOMPARE(taken[0].number, 13319u);
        QCOMPARE(taken[0].lParam, std::int64_t{0});
        QVERIFY(window.isVisible());

        send(workspace(), "13319 0 1\n");
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!QFile::exists(directory_.filePath(QStringLiteral("Apulje1.tmp"))));
        QVERIFY(!QFile::exists(directory_.filePath(QStringLiteral("wtpulje1.tmp"))));
        QCOMPARE(andel::mainStore(workspace(), messages_).getString("TIPPERNUMMER").value, std::string("000000000"));
        QVERIFY(messages_.shown.empty());
    }

    // Two windows of the program that would answer under the same handle (offscreen, both
    // take the process id): each listens under its own, and its Apulje1.tmp names it.
    void twoWindowsWithTheSameHandleEachAnswerTheirOwn() {
        QTemporaryDir otherDirectory;
        const Workspace other(otherDirectory.path().toStdString());
        Tgridform first(workspace(), &messages_);
        Tgridform second(other, &messages_);
        first.show();
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QTRY_VERIFY(andel::readHandleFile(workspace()) && andel::readHandleFile(other));
        QVERIFY(messages_.shown.empty());
        const auto firstHandle = andel::readHandleFile(workspace());
        const auto secondHandle = andel::readHandleFile(other);
        QVERIFY(*firstHandle != *secondHandle);

        send(other, "13319 0 1\n");
        QTRY_VERIFY(!second.isVisible());
        QVERIFY(first.isVisible());
        send(workspace(), "13319 0 1\n");
        QTRY_VERIFY(!first.isVisible());
    }

    // With nowhere private to put the socket, the window still starts whole and says so
    // afterwards, naming the socket it tried.
    void noSocketIsSaidOnceTheWindowIsUp() {
#ifdef Q_OS_WIN
        QSKIP("a named pipe needs no private directory");
#else
        QTemporaryDir blocked;
        const QByteArray uid = QByteArray::number(static_cast<qulonglong>(::geteuid()));
        QFile(blocked.filePath(QStringLiteral("andelstipp-") + QString::fromLatin1(uid))).open(QIODevice::WriteOnly);
        QFile(blocked.filePath(QStringLiteral(".andelstipp"))).open(QIODevice::WriteOnly);
        const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR"), qgetenv("HOME")};
        qputenv("XDG_RUNTIME_DIR", QByteArray("/"));  // not private
        qputenv("TMPDIR", blocked.path().toUtf8());
        qputenv("HOME", blocked.path().toUtf8());
        {
            Tgridform window(workspace(), &messages_);
            QVERIFY(messages_.shown.empty());  // nothing waits during the start-up
            QVERIFY(QFile::exists(directory_.filePath(QStringLiteral("wtpulje1.tmp"))));
            QTRY_COMPARE(messages_.shown.size(), std::size_t{1});
            const std::string pid = std::to_string(QCoreApplication::applicationPid());
            QCOMPARE(messages_.shown[0].text, "Kan ikke ta imot meldinger fra tippeprogrammet (andelstipp-" + pid + ").");
        }
        messages_.shown.clear();
        const char* names[] = {"XDG_RUNTIME_DIR", "TMPDIR", "HOME"};
        for (int i = 0; i < 3; ++i) {
            if (saved[i].isEmpty()) qunsetenv(names[i]);
            else qputenv(names[i], saved[i]);
        }
#endif
    }
};

QTEST_MAIN(MainWindowPlayerTest)
#include "main_window_player_test.moc"
