#pragma once
// Message boxes of the windows: a QMessageBox placed where the message asks.
#include "platform/messages.h"

#include <QPoint>
#include <QSize>

#include <optional>

class QWidget;

namespace andel {

// The top left corner of a box of the given size for the message's placement.
std::optional<QPoint> messageBoxPosition(const Message& message, QSize box, const QWidget* mainWindow);

class MessageBoxes : public Messages {
public:
    explicit MessageBoxes(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    bool show(const Message& message) override;

private:
    QWidget* mainWindow_;
};

}  // namespace andel
