// The window's listener: a sender that connects and never finishes neither holds up the
// messages of the others nor stays connected for ever.
#include "handover/message_listener.h"

#include <QLocalSocket>
#include <QtTest>

#include <vector>

class MessageListenerTest : public QObject {
    Q_OBJECT

private slots:
    void aSenderThatNeverFinishesIsDroppedAndHoldsUpNoOne() {
        andel::MessageListener listener;
        listener.setSenderLimit(300);
        std::vector<andel::WindowMessage> taken;
        connect(&listener, &andel::MessageListener::messageReceived, this,
                [&taken](const andel::WindowMessage& message) { taken.push_back(message); });
        QVERIFY(listener.listenUnderFreeHandle(3900000000u, static_cast<std::uint32_t>(QCoreApplication::applicationPid())));

        QLocalSocket silent;  // connects, sends half a line, never finishes
        silent.connectToServer(listener.serverName());
        QVERIFY(silent.waitForConnected(5000));
        silent.write("13319 0");
        silent.flush();

        QLocalSocket sender;
        sender.connectToServer(listener.serverName());
        QVERIFY(sender.waitForConnected(5000));
        sender.write("13319 0 0\n");
        sender.flush();
        QTRY_COMPARE(taken.size(), std::size_t{1});
        QCOMPARE(taken[0].number, 13319u);

        QTRY_COMPARE_WITH_TIMEOUT(silent.state(), QLocalSocket::UnconnectedState, 20000);
        QCOMPARE(taken.size(), std::size_t{1});  // its half line was no message
    }
};

QTEST_MAIN(MessageListenerTest)
#include "message_listener_test.moc"
