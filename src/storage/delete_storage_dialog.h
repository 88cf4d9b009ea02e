#pragma once
// `Tslettlagerfiler`: the confirmation before the marked storage files are deleted.
#include <QDialog>

class QLabel;

namespace andel {

class Tslettlagerfiler : public QDialog {
    Q_OBJECT
public:
    explicit Tslettlagerfiler(QWidget* parent = nullptr);
    // Shows the count and runs modally; true on "Slett !".
    bool confirm(std::size_t count);

private:
    QLabel* antall_;
    bool shownBefore_ = false;
};

}  // namespace andel
