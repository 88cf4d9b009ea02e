#include "platform/message_box_dialog.h"

#include <QCursor>
#include <QGuiApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QString>

namespace andel {

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
    QPoint centre;
    switch (message.placement) {
        case MessagePlacement::NearMousePointer: centre = QCursor::pos(); break;
        case MessagePlacement::OverMainWindow:
            if (mainWindow_) centre = mainWindow_->frameGeometry().center();
            break;
        case MessagePlacement::Centred:
            if (QScreen* screen = QGuiApplication::primaryScreen()) centre = screen->availableGeometry().center();
            break;
    }
    if (!centre.isNull()) box.move(centre - QPoint(box.width() / 2, box.height() / 2));
    return box.exec() != QMessageBox::No;
}

}  // namespace andel
