#pragma once
// The small parts the windows are built from: plain labels, sunken figure fields and
// named buttons, placed at fixed positions as the windows' layouts give them.
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QStyle;
class QToolButton;
class QWidget;

namespace andel {

QLabel* addLabel(const QString& text, QWidget* parent, const QRect& geometry, const char* name = nullptr);
// A sunken white field with its figure in bold, right-aligned.
QLabel* figure(const char* name, QWidget* parent, const QRect& geometry);
QPushButton* addButton(const QString& caption, const char* name, QWidget* parent, const QRect& geometry);
// A tool button with one of the style's standard pictures.
QToolButton* pictureButton(QWidget* parent, int standardPixmap, const char* name);

}  // namespace andel
