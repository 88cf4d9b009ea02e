#include "workbench/shares_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace andel {
namespace {

QLabel* caption(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

// A sunken display field, as the window's panels show figures.
QLabel* field(const char* name, QWidget* parent, const QRect& geometry, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setStyleSheet(QStringLiteral("background: white; font-weight: bold; padding: 0 3px;"));
    return label;
}

void setItems(QComboBox& box, const std::vector<std::string>& items) {
    if (box.count() == static_cast<int>(items.size())) {
        for (int i = 0; i < box.count(); ++i) {
            const QString text = QString::fromStdString(items[i]);
            if (box.itemText(i) != text) box.setItemText(i, text);
        }
        return;
    }
    box.clear();
    for (const std::string& item : items) box.addItem(QString::fromStdString(item));
}

}  // namespace

SharesPanel::SharesPanel(const WorkbenchState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("andelsomraade"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);

    caption(QStringLiteral("Navn / spillenummer"), this, QRect(8, 4, 200, 16));
    name_ = field("panel55", this, QRect(8, 20, 236, 22), Qt::AlignLeft);
    auto* choosePlayer = new QPushButton(QStringLiteral("*"), this);
    choosePlayer->setObjectName(QStringLiteral("velgspiller"));
    choosePlayer->setGeometry(246, 20, 18, 22);
    choosePlayer->setToolTip(QStringLiteral("Velg spiller fra kundekartoteket"));
    choosePlayer->setEnabled(false);  // the customer register arrives with its own window

    caption(QStringLiteral("Antall andeler"), this, QRect(276, 4, 90, 16));
    shares_ = new QComboBox(this);
    shares_->setObjectName(QStringLiteral("antallandeler"));
    shares_->setGeometry(276, 20, 80, 22);
    shares_->setMaxVisibleItems(20);
    connect(shares_, &QComboBox::activated, this, &SharesPanel::sharesChosen);

    caption(QStringLiteral("Rekkeantall      Innleveringspris"), this, QRect(8, 46, 236, 16));
    totalRows_ = field("rekkertotalt", this, QRect(8, 62, 96, 22), Qt::AlignRight);
    stake_ = field("panelinnsatstotalt", this, QRect(110, 62, 110, 22), Qt::AlignRight);

    caption(QStringLiteral("Pris pr andel"), this, QRect(276, 46, 90, 16));
    pricePerShare_ = field("panelprisprandel", this, QRect(276, 62, 80, 22), Qt::AlignRight);

    rowPrice_ = new QComboBox(this);  // holds the row price; never shown
    rowPrice_->setObjectName(QStringLiteral("comborekkepris"));
    rowPrice_->hide();
}

void SharesPanel::render() {
    name_->setText(QString::fromStdString(state_.panel55));
    setItems(*shares_, state_.shareItems);
    shares_->setCurrentIndex(state_.antallandeler);
    setItems(*rowPrice_, state_.comborekkepris);
    rowPrice_->setCurrentIndex(state_.comborekkeprisIndex);
    pricePerShare_->setText(QString::fromStdString(state_.panelprisprandel));
    totalRows_->setText(QString::fromStdString(state_.rekkertotalt));
    stake_->setText(QString::fromStdString(state_.panelinnsatstotalt));
}

}  // namespace andel
