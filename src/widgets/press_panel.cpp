#include "widgets/press_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace andel {

PressPanel::PressPanel(const QString& name, Picture picture, const QString& caption, const QString& hint,
                       QWidget* parent)
    : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(2);
    auto* icon = new QLabel(this);
    icon->setPixmap(pictureIcon(picture, 16).pixmap(16, 16));
    layout->addWidget(icon);
    auto* text = new QLabel(caption, this);
    text->setObjectName(name + QStringLiteral("tekst"));
    layout->addWidget(text, 1);
}

void PressPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setFrameShadow(QFrame::Sunken);
}

void PressPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFrameShadow(QFrame::Raised);
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void PressPanel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PressPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

}  // namespace andel
