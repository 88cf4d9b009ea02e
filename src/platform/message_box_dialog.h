#pragma once
// Message boxes of the windows: a QMessageBox placed where the message asks.
#include "platform/messages.h"

class QWidget;

namespace andel {

class MessageBoxes : public Messages {
public:
    explicit MessageBoxes(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    bool show(const Message& message) override;

private:
    QWidget* mainWindow_;
};

}  // namespace andel
