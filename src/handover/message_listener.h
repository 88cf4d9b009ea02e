#pragma once
// Listens on the main window's local socket for the numbered window messages of the
// other programs. Only the user who runs the program may connect; junk, partial and
// overlong lines are dropped.
#include "handover/window_message.h"

#include <QLocalServer>

#include <cstdint>
#include <optional>

namespace andel {

class MessageListener : public QObject {
    Q_OBJECT
public:
    explicit MessageListener(QObject* parent = nullptr);
    // Listens under the first free name among the handles `preferred`, `processId` and
    // the numbers after `preferred` (another running window of the program, in another
    // working directory, may already answer under a name). Answers the handle listened
    // under, for Apulje1.tmp; nothing when no socket can be made.
    std::optional<std::uint32_t> listenUnderFreeHandle(std::uint32_t preferred, std::uint32_t processId);
    // The socket listened on, or the last one tried when none could be made.
    QString serverName() const;
    // How long a sender may stay connected before it is dropped (10 s unless set).
    void setSenderLimit(int milliseconds) { senderLimitMs_ = milliseconds; }

signals:
    void messageReceived(const andel::WindowMessage& message);

private:
    enum class Listen { Listening, NameTaken, Failed };
    Listen listen(std::uint32_t handle);
    void accept();
    QLocalServer server_;
    QString triedName_;
    int senderLimitMs_ = 10000;
};

}  // namespace andel
