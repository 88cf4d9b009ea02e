#include "handover/message_listener.h"

#include "platform/message_socket.h"

#include <QLocalSocket>

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>
#endif

namespace andel {

#ifdef Q_OS_WIN
namespace {

// On Windows the row-generating program posts (or sends) its messages to the window
// handle in Apulje1.tmp itself; they reach the listener like the lines on the pipe.
class NativeMessageFilter : public QObject, public QAbstractNativeEventFilter {
public:
    explicit NativeMessageFilter(MessageListener* listener) : QObject(listener), listener_(listener) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "windows_generic_MSG") return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != static_cast<UINT>(WindowMessageId::ShowOrClose) &&
            msg->message != static_cast<UINT>(WindowMessageId::TakeRegisterCustomer)) {
            return false;
        }
        emit listener_->messageReceived(WindowMessage{static_cast<std::uint32_t>(msg->message),
                                                      static_cast<std::int64_t>(msg->wParam),
                                                      static_cast<std::int64_t>(msg->lParam)});
        return true;
    }

private:
    MessageListener* listener_;
};

}  // namespace
#endif

MessageListener::MessageListener(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &MessageListener::accept);
#ifdef Q_OS_WIN
    if (QCoreApplication::instance()) new NativeMessageFilter(this);
#endif
}

bool MessageListener::listen(std::uint32_t handle) {
    const QString path = QString::fromStdString(messageSocketPath(handle));
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(100)) return false;  // another window answers under this name
    QLocalServer::removeServer(path);                // a socket file left by a crashed run
    return server_.listen(path);
}

QString MessageListener::serverName() const { return server_.fullServerName(); }

void MessageListener::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine(kMaxWindowMessageLine + 2);
                if (const auto message = parseWindowMessage(line.toStdString())) emit messageReceived(*message);
            }
            // A peer that sends more than a line's worth without a line break is cut off.
            if (socket->bytesAvailable() > static_cast<qint64>(kMaxWindowMessageLine)) socket->abort();
        });
        // The sender has said all: a last line without its line break is dropped.
        connect(socket, &QLocalSocket::readChannelFinished, socket, [socket] { socket->disconnectFromServer(); });
    }
}

}  // namespace andel
