#include "handover/message_listener.h"

#include "platform/message_socket.h"

#include <QLocalSocket>

namespace andel {

MessageListener::MessageListener(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &MessageListener::accept);
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
