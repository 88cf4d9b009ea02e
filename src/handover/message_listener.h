#pragma once
// Listens on the main window's local socket for the numbered window messages of the
// other programs. Only the user who runs the program may connect; junk, partial and
// overlong lines are dropped.
#include "handover/window_message.h"

#include <QLocalServer>

namespace andel {

class MessageListener : public QObject {
    Q_OBJECT
public:
    explicit MessageListener(QObject* parent = nullptr);
    // Starts listening under the name of the handle; false when the socket cannot be made.
    bool listen(std::uint32_t handle);
    QString serverName() const;

signals:
    void messageReceived(const andel::WindowMessage& message);

private:
    void accept();
    QLocalServer server_;
};

}  // namespace andel
