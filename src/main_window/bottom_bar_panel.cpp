#include "main_window/bottom_bar_panel.h"

#include "model/text.h"
#include "widgets/fitting_panel.h"
#include "widgets/widget_sync_panel.h"

#include <QEvent>
#include <QLabel>

namespace andel {
namespace {

QLabel* addLabel(const QString& name, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

BottomBarPanel::BottomBarPanel(const WorkbenchState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("bunnfelt"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);

    label29_ = addLabel(QStringLiteral("Label29"), this, QRect(6, 2, 68, 15));
    label29_->setStyleSheet(QStringLiteral("font-weight: bold;"));
    pathAndName_ = addLabel(QStringLiteral("onlinefilpathogfilnavn"), this, QRect(76, 2, 330, 15));
    availability_ = addLabel(QStringLiteral("onlinefiltilgjengelig"), this, QRect(514, 2, 116, 15));
    for (QLabel* clickable : {label29_, pathAndName_, availability_}) {
        clickable->installEventFilter(this);
        clickable->setCursor(Qt::PointingHandCursor);
    }

    label32_ = addLabel(QStringLiteral("Label32"), this, QRect());
    label32_->hide();
    // The agent quotes the serial number to the pool operator: it stands beside the file.
    serialCaption_ = addLabel(QStringLiteral("serienummertekst"), this, QRect(410, 2, 50, 15));
    serialNumber_ = addLabel(QStringLiteral("onlinefilserienummer"), this, QRect(460, 2, 50, 15));
    serialNumber_->setStyleSheet(QStringLiteral("font-weight: bold;"));

    deadline_ = addLabel(QStringLiteral("salgsfrist"), this, QRect(478, 18, 154, 15));
    deadline_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    drawer_ = addLabel(QStringLiteral("kassen"), this, QRect(478, 33, 154, 15));
    drawer_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    drawer_->setStyleSheet(QStringLiteral("color: #202050; font-weight: bold;"));

    auto* caption = addLabel(QStringLiteral("tippekommisjonaer"), this, QRect(6, 18, 124, 15));
    caption->setText(QStringLiteral("Tippekommisjonær:"));
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    for (int copy = 0; copy < 2; ++copy) {
        const int offset = copy == 0 ? 1 : 0;
        const QString suffix = copy == 0 ? QStringLiteral("skygge") : QString();
        line1_[copy] = addLabel(QStringLiteral("agentlinje1") + suffix, this, QRect(134 + offset, 18 + offset, 340, 15));
        line2_[copy] = addLabel(QStringLiteral("agentlinje2") + suffix, this, QRect(134 + offset, 33 + offset, 340, 15));
        const QString colour = copy == 0 ? QStringLiteral("color: white;") : QStringLiteral("color: #202050;");
        line1_[copy]->setStyleSheet(colour);
        line2_[copy]->setStyleSheet(colour);
    }
}

void BottomBarPanel::setDeadline(const QString& text, const QString& tip, bool late) {
    deadline_->setText(text);
    deadline_->setToolTip(tip);
    setStyleIfChanged(*deadline_, late ? QStringLiteral("color: #c00000; font-weight: bold;") : QStringLiteral("color: #202050;"));
}

void BottomBarPanel::setDrawer(const QString& text) { drawer_->setText(text); }

bool BottomBarPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == label29_ || watched == pathAndName_ || watched == availability_)) {
        emit onlineFileLabelClicked();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void BottomBarPanel::render() {
    const bool known = !state_.online.pathAndName.empty();
    setLabelText(*label29_, known ? "ONLINEFIL" : "");
    setFittedText(*pathAndName_, QString::fromStdString(state_.online.pathAndName));
    setLabelText(*label32_, known ? "Serienummer:...." : "");
    setLabelText(*serialNumber_, state_.online.serialNumber);
    setLabelText(*serialCaption_, state_.online.serialNumber.empty() ? "" : "Serienr.");
    setFittedText(*availability_, QString::fromStdString(state_.online.availability));
    const bool missing = startsWith(state_.online.availability, "Ikke");
    setStyleIfChanged(*availability_, missing ? QStringLiteral("color: red;") : QStringLiteral("color: blue;"));
    for (int copy = 0; copy < 2; ++copy) {
        setLabelText(*line1_[copy], state_.agentLine1);
        setLabelText(*line2_[copy], state_.agentLine2);
    }
}

}  // namespace andel
