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

// The window a message box belongs to: the modal window open, else the active window,
// else the main window.
QWidget* messageOwner(QWidget* mainWindow);

// Every box is a child of messageOwner() and gives the keyboard back to the control that
// had it; a Yes/No question starts on its default answer.
class MessageBoxes : public Messages {
public:
    explicit MessageBoxes(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    bool show(const Message& message) override;

private:
    QWidget* mainWindow_;
};

}  // namespace andel
