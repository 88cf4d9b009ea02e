#include "widgets/window_parts_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace andel {

QLabel* addLabel(const QString& text, QWidget* parent, const QRect& geometry, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    if (name) label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* figure(const char* name, QWidget* parent, const QRect& geometry) {
    QLabel* label = addLabel(QString(), parent, geometry, name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("background: white; font-weight: bold; padding: 0 3px;"));
    return label;
}

QPushButton* addButton(const QString& caption, const char* name, QWidget* parent, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QToolButton* pictureButton(QWidget* parent, int standardPixmap, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(parent->style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardPixmap)));
    button->setIconSize(QSize(24, 24));
    return button;
}

}  // namespace andel
