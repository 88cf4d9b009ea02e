#include "widgets/press_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

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

}  // namespace andel
