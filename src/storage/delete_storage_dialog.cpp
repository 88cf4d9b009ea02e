#include "storage/delete_storage_dialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace andel {

Tslettlagerfiler::Tslettlagerfiler(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Dialog"));
    setObjectName(QStringLiteral("Tslettlagerfiler"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Du er nå klar for å slette de "), this), 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("merkede linjer (filer)"), this), 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Merket antall:"), this), 2, 0);
    antall_ = new QLabel(this);
    antall_->setObjectName(QStringLiteral("merketantall"));
    antall_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(antall_, 2, 1);
    auto* slett = new QPushButton(QStringLiteral("Slett !"), this);
    auto* avbryt = new QPushButton(QStringLiteral("Avbryt"), this);
    slett->setObjectName(QStringLiteral("slett"));
    avbryt->setObjectName(QStringLiteral("avbryt"));
    layout->addWidget(slett, 3, 0);
    layout->addWidget(avbryt, 3, 1);
    connect(slett, &QPushButton::clicked, this, &QDialog::accept);
    connect(avbryt, &QPushButton::clicked, this, &QDialog::reject);
}

bool Tslettlagerfiler::confirm(std::size_t count) {
    antall_->setText(QString::number(count));
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        // The first showing sits 60 pixels above the centre, clear of the browser's table.
        move(frame.topLeft() - QPoint(0, shownBefore_ ? 0 : 60));
    }
    shownBefore_ = true;
    return exec() == QDialog::Accepted;
}

}  // namespace andel
