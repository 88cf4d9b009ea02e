#pragma once
// A raised panel with a picture and a caption that acts as a button: it looks pressed
// while the mouse button is down on it and reports a click on release. Tab reaches it
// (a dashed frame shows the focus) and Space or Enter clicks it.
#include "widgets/icons_panel.h"

#include <QFrame>

namespace andel {

class PressPanel : public QFrame {
    Q_OBJECT
public:
    PressPanel(const QString& name, Picture picture, const QString& caption, const QString& hint, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace andel
