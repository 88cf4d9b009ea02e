#pragma once
// The pair of arrow buttons beside a selector: the upper moves to the previous item,
// the lower to the next.
#include <QWidget>

namespace andel {

class UpDownPanel : public QWidget {
    Q_OBJECT
public:
    UpDownPanel(const QString& name, QWidget* parent);

signals:
    void stepped(int step);  // -1 upper arrow, +1 lower arrow
};

}  // namespace andel
