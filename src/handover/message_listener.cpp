#include "handover/message_listener.h"

#include "platform/message_socket.h"

#include <QLocalSocket>
#include <QTimer>

#include <memory>
#include <vector>

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

MessageListener::Listen MessageListener::listen(std::uint32_t handle) {
    const QString path = QString::fromStdString(messageSocketPath(handle));
    triedName_ = path.isEmpty() ? QString::fromStdString(messageSocketName(handle)) : path;
    if (path.isEmpty()) return Listen::Failed;  // no private directory for it
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(100)) return Listen::NameTaken;  // another window answers under this name
    QLocalServer::removeServer(path);                            // a socket file left by a crashed run
    return server_.listen(path) ? Listen::Listening : Listen::Failed;
}

std::optional<std::uint32_t> MessageListener::listenUnderFreeHandle(std::uint32_t preferred, std::uint32_t processId) {
    constexpr std::uint32_t kFurtherNames = 64;
    std::vector<std::uint32_t> handles = {preferred};
    if (processId != preferred) handles.push_back(processId);
    for (std::uint32_t n = 1; n <= kFurtherNames; ++n) handles.push_back(preferred + n);
    for (const std::uint32_t handle : handles) {
        switch (listen(handle)) {
        case Listen::Listening: return handle;
        case Listen::NameTaken: continue;
        case Listen::Failed: return std::nullopt;
        }
    }
    return std::nullopt;
}

QString MessageListener::serverName() const {
    return server_.isListening() ? server_.fullServerName() : triedName_;
}

void MessageListener::accept() {
    // The window only ever reads, as its events come, so no sender can block it; a sender
    // that neither finishes nor goes away is dropped after the limit, so that such senders
    // cannot pile up.
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(senderLimitMs_, socket, [socket] { socket->abort(); });
        auto lines = std::make_shared<WindowMessageLines>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, lines] {
            const QByteArray bytes = socket->readAll();
            for (const std::string& line : lines->take(std::string_view(bytes.constData(), bytes.size()))) {
                if (const auto message = parseWindowMessage(line)) emit messageReceived(*message);
            }
        });
        // The sender has said all: a last line without its line break is dropped.
        connect(socket, &QLocalSocket::readChannelFinished, socket, [socket] { socket->disconnectFromServer(); });
    }
}

}  // namespace andel
