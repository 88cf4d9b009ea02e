#include "main_window/shares_panel.h"

#include "widgets/fitting_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace andel {
namespace {

constexpr int kCaptionTop = 3, kFieldTop = 19, kFieldHeight = 22;
const QString kChoosePlayerHint = QStringLiteral("Velg spiller fra kundekartoteket");

QLabel* caption(const QString& text, QWidget* parent, int left, int width) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(left, kCaptionTop, width, 16);
    return label;
}

// A sunken display field, as the window's panels show figures.
QLabel* field(const char* name, QWidget* parent, int left, int width, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, kFieldTop, width, kFieldHeight);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("background: white; font-weight: bold; padding: 0 3px;"));
    return label;
}

}  // namespace

SharesPanel::SharesPanel(const WorkbenchState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("andelsomraade"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);

    caption(QStringLiteral("Navn / spillenummer"), this, 6, 200);
    name_ = field("panel55", this, 6, 222, Qt::AlignLeft);
    name_->setToolTip(kChoosePlayerHint);
    name_->setCursor(Qt::PointingHandCursor);
    name_->installEventFilter(this);
    auto* choosePlayer = new QPushButton(QStringLiteral("*"), this);
    choosePlayer->setObjectName(QStringLiteral("velgspiller"));
    choosePlayer->setGeometry(229, kFieldTop, 18, kFieldHeight);
    choosePlayer->setToolTip(kChoosePlayerHint);
    connect(choosePlayer, &QPushButton::pressed, this, &SharesPanel::playerRequested);

    caption(QStringLiteral("Antall andeler"), this, 256, 80);
    shares_ = new QComboBox(this);
    shares_->setObjectName(QStringLiteral("antallandeler"));
    shares_->setGeometry(256, kFieldTop, 74, kFieldHeight);
    showListRows(*shares_);
    connect(shares_, &QComboBox::activated, this, &SharesPanel::sharesChosen);

    caption(QStringLiteral("Pris pr andel"), this, 338, 80);
    pricePerShare_ = field("panelprisprandel", this, 338, 80, Qt::AlignRight);

    caption(QStringLiteral("Rekkeantall      Innleveringspris"), this, 428, 200);
    totalRows_ = field("rekkertotalt", this, 428, 90, Qt::AlignRight);
    stake_ = field("panelinnsatstotalt", this, 522, 100, Qt::AlignRight);

    rowPrice_ = new QComboBox(this);  // holds the row price; never shown
    rowPrice_->setObjectName(QStringLiteral("comborekkepris"));
    rowPrice_->hide();
}

bool SharesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::MouseButtonPress) {
        emit playerRequested();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void SharesPanel::render() {
    setFittedText(*name_, QString::fromStdString(state_.panel55), kChoosePlayerHint);
    shareItems_.show(*shares_, state_.shareItems, state_.antallandeler);
    rowPriceItems_.show(*rowPrice_, state_.comborekkepris, state_.comborekkeprisIndex);
    setLabelText(*pricePerShare_, state_.panelprisprandel);
    setLabelText(*totalRows_, state_.rekkertotalt);
    setLabelText(*stake_, state_.panelinnsatstotalt);
}

}  // namespace andel
