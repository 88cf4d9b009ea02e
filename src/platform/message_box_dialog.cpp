#include "platform/message_box_dialog.h"

#include <QCursor>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QString>

namespace andel {

std::optional<QPoint> messageBoxPosition(const Message& message, QSize box, const QWidget* mainWindow) {
    const QPoint offset(message.offsetX, message.offsetY);
    const QPoint half(box.width() / 2, box.height() / 2);
    const QRect frame = mainWindow ? mainWindow->frameGeometry() : QRect();
    switch (message.placement) {
        case MessagePlacement::NearMousePointer: return QCursor::pos() + offset;
        case MessagePlacement::FromMainWindowCorner:
            if (mainWindow) return frame.topLeft() + offset;
            break;
        case MessagePlacement::FromMainWindowTopMiddle:
            if (mainWindow) return QPoint(frame.left() + frame.width() / 2, frame.top()) + offset;
            break;
        case MessagePlacement::OverMainWindow:
            if (mainWindow) return frame.center() - half;
            break;
        case MessagePlacement::Centred: break;
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) return screen->availableGeometry().center() - half;
    return std::nullopt;
}

bool MessageBoxes::show(const Message& message) {
    QString text = QString::fromStdString(message.text);
    text.replace('\r', '\n');
    QMessageBox box(mainWindow_);
    box.setWindowTitle(QStringLiteral("Andelstipping"));
    box.setText(text);
    if (message.icon == MessageIcon::Information) box.setIcon(QMessageBox::Information);
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nei"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.adjustSize();
    if (const std::optional<QPoint> place = messageBoxPosition(message, box.size(), mainWindow_)) box.move(*place);
    return box.exec() != QMessageBox::No;
}

}  // namespace andel
