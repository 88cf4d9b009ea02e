#include "main_window/system_info_panel.h"

#include "model/coupon.h"
#include "workbench/selectors.h"
#include "widgets/widget_sync_panel.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace andel {
namespace {

QLabel* addLabel(const QString& text, QWidget* parent, const QRect& geometry, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

}  // namespace

CouponPicturePanel::CouponPicturePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("kupongbilde"));
}

void CouponPicturePanel::setRows(const QString& rows) {
    if (rows == rows_) return;
    rows_ = rows;
    update();
}

void CouponPicturePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int gap = 4;
    const int w = (width() - 4 * gap) / 3, h = (height() - 4 * gap) / 3;
    for (int c = 0; c < kCoupons; ++c) {
        const QRect box(gap + (c % 3) * (w + gap), gap + (c / 3) * (h + gap), w, h);
        painter.setPen(QPen(Qt::black));
        painter.setBrush(QColor(255, 255, 225));
        painter.drawRoundedRect(box, 6, 6);
        painter.drawText(box, Qt::AlignCenter, rows_);
    }
}

SystemInfoPanel::SystemInfoPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("systempanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setFixedWidth(240);
    resize(240, 340);

    auto* title = addLabel(QStringLiteral("9 kuponger m/rekkeantall"), this, QRect(4, 4, 232, 18), Qt::AlignHCenter);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    for (int c = 0; c < kCoupons; ++c) {
        addLabel(QStringLiteral("Kup %1:").arg(c + 1), this, QRect(8 + (c % 3) * 77, 26 + (c / 3) * 20, 36, 18));
        counts_[c] = addLabel(QString(), this, QRect(44 + (c % 3) * 77, 26 + (c / 3) * 20, 34, 18), Qt::AlignRight);
        counts_[c]->setObjectName(QStringLiteral("r%1antall").arg(c + 1));
    }
    couponLine_ = addLabel(QString(), this, QRect(4, 90, 232, 18), Qt::AlignHCenter);
    couponLine_->setObjectName(QStringLiteral("kupongline"));
    reductionLine_ = addLabel(QString(), this, QRect(4, 106, 232, 22), Qt::AlignHCenter);
    QFont smaller = reductionLine_->font();
    smaller.setPointSize(7);
    reductionLine_->setFont(smaller);
    reductionLine_->setObjectName(QStringLiteral("reduksjonslinje"));

    warning_ = new QFrame(this);
    warning_->setObjectName(QStringLiteral("advarselpanel"));
    warning_->setGeometry(4, 128, 232, 62);  // over the picture, so the red counts stay in view
    warning_->setStyleSheet(QStringLiteral("QFrame { background: #ffff80; border: 2px solid red; } "
                                           "QLabel { border: none; color: red; }"));
    auto* warningLayout = new QVBoxLayout(warning_);
    warningLayout->setContentsMargins(4, 2, 4, 2);
    warningLayout->setSpacing(0);
    for (const char* line : {"****   INFO !  ****", "Kupongene har i øyeblikket for høyt", "rekkeantall for å kunne kjøres ut."}) {
        auto* label = new QLabel(QString::fromUtf8(line), warning_);
        label->setAlignment(Qt::AlignCenter);
        if (warningLayout->count() == 0) {
            label->setStyleSheet(QStringLiteral("font-weight: bold;"));
        } else {
            QFont smaller = label->font();
            smaller.setPointSize(7);
            label->setFont(smaller);
        }
        warningLayout->addWidget(label);
    }
    warning_->hide();

    picture_ = new CouponPicturePanel(this);
    picture_->setGeometry(45, 128, 150, 62);
    warning_->raise();

    auto* guarantee = new QFrame(this);
    guarantee->setObjectName(QStringLiteral("garantipanel"));
    guarantee->setGeometry(4, 194, 232, 140);
    guarantee->setFrameShape(QFrame::StyledPanel);
    auto* caption = addLabel(QString::fromUtf8(kSystemCaption.data(), kSystemCaption.size()), guarantee,
                             QRect(2, 4, 228, 20), Qt::AlignHCenter);
    caption->setObjectName(QStringLiteral("systemnavn"));
    caption->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11pt;"));
    addLabel(QStringLiteral("Systemet garanterer ALLTID minst"), guarantee, QRect(2, 30, 228, 18), Qt::AlignHCenter);
    addLabel(QStringLiteral("11 rette hvis de sikre og halvgarderte"), guarantee, QRect(2, 48, 228, 18), Qt::AlignHCenter);
    addLabel(QStringLiteral("kampene er riktig tippet."), guarantee, QRect(2, 66, 228, 18), Qt::AlignHCenter);
    auto* banner = addLabel(QStringLiteral("MED   ALLTID 11-ER   GARANTI"), guarantee, QRect(6, 96, 220, 28), Qt::AlignHCenter);
    banner->setObjectName(QStringLiteral("garantibanner"));
    banner_ = banner;
}

void SystemInfoPanel::render(const WorkbenchState& state) {
    const QString colour = state.rowsTooMany ? QStringLiteral("color: red;") : QStringLiteral("color: blue;");
    for (int c = 0; c < kCoupons; ++c) {
        setLabelText(*counts_[c], state.rowsPerCouponFields[c]);
        setStyleIfChanged(*counts_[c], colour + QStringLiteral(" font-weight: bold;"));
    }
    setLabelText(*couponLine_, state.couponLine);
    setLabelText(*reductionLine_, state.reductionLine);
    warning_->setVisible(state.rowsTooMany);
    setStyleIfChanged(*banner_, QStringLiteral("background: %1; color: white; font-weight: bold;")
                               .arg(cssColour(couponHeadingColour(couponTypeOf(state)))));
    picture_->setRows(QString::fromStdString(state.pictureRows));
}

}  // namespace andel
