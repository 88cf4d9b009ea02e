#include "platform/message_box_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
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

QWidget* messageOwner(QWidget* mainWindow) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return mainWindow;
}

namespace {

constexpr int kTitleRoom = 140;  // the frame's icon and buttons beside the title

// Wide enough that the window system never shortens the title to "And...ping".
void keepTitleWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

bool MessageBoxes::show(const Message& message) {
    QString text = QString::fromStdString(message.text);
    text.replace('\r', '\n');
    // The box belongs to the window the agent works in, and the keyboard goes back to the
    // control that had it: a box over the ledger never hands the focus to the main window.
    QWidget* owner = messageOwner(mainWindow_);
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QMessageBox box(owner);
    box.setWindowTitle(QStringLiteral("Andelstipping"));
    box.setText(text);
    // The focus ring shows which button a key would press.
    box.setAttribute(Qt::WA_KeyboardFocusChange);
    if (message.icon == MessageIcon::Information) box.setIcon(QMessageBox::Information);
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nei"));
        box.setEscapeButton(QMessageBox::No);
        box.setDefaultButton(message.defaultAnswer == MessageDefault::No ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    keepTitleWhole(box);
    box.adjustSize();
    if (const std::optional<QPoint> place = messageBoxPosition(message, box.size(), mainWindow_)) box.move(*place);
    const bool yes = box.exec() != QMessageBox::No;
    if (focus && focus->isVisible()) {
        focus->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    }
    return yes;
}

}  // namespace andel
