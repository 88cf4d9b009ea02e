#include "main_window/preview_panel.h"

#include "widgets/fitting_panel.h"
#include "widgets/window_parts_panel.h"

#include "workbench/coupon_drawing.h"
#include "workbench/selectors.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace andel {
CouponDrawingPanel::CouponDrawingPanel(const WorkbenchState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("kupongtegning"));
}

void CouponDrawingPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    QFont small = font();
    small.setPointSize(7);
    p.setFont(small);
    const CouponDrawingGeometry g = couponDrawingGeometry(width(), height());
    for (int c = 0; c < kCoupons; ++c) {
        const int x = g.columnX(c);
        p.drawText(QRect(x, 6, g.columnWidth, 10), Qt::AlignCenter, QStringLiteral("Kup %1").arg(c + 1));
        const QRect header(x, 18, g.columnWidth - 1, 10);
        p.drawRect(header);
        p.drawText(header, Qt::AlignCenter, QStringLiteral("HUB"));
        const int column = kFirstCouponColumn + c;
        for (int m = 0; m < kMatches; ++m) {
            const std::string& cell = state_.couponGrid.at(column, m + 1);
            const int mask = cell.empty() ? 0 : cell[0] - '0';
            for (int s = 0; s < 3; ++s) {
                const QRect box(x + s * g.cellWidth, g.matchY(m), g.cellWidth, g.cellHeight);
                p.drawRect(box);
                if (mask & kSignBits[s]) p.drawText(box, Qt::AlignCenter, QStringLiteral("x"));
            }
        }
        p.drawText(QRect(x - 4, g.rowsTextY(), g.columnWidth + 8, 12), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(state_.couponGrid.at(column, kRowsPerCouponRow)));
    }
}

PreviewPanel::PreviewPanel(const WorkbenchState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("Panel7"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    resize(390, 420);

    auto* header = addLabel(QStringLiteral("ANDELSBREV      \"KRYSSBALLEN\""), this, QRect(4, 4, 382, 24), "forhaandsvisningstittel");
    header->setAlignment(Qt::AlignCenter);
    header->setStyleSheet(QStringLiteral("background: navy; color: white; font-weight: bold; font-size: 10pt;"));

    // The frame that holds the game details, light grey.
    auto* details = new QFrame(this);
    details->setObjectName(QStringLiteral("spilldetaljer"));
    details->setGeometry(4, 31, 208, 70);
    details->setFrameShape(QFrame::Panel);
    details->setFrameShadow(QFrame::Sunken);
    QPalette grey = details->palette();
    grey.setColor(QPalette::Window, QColor(240, 240, 240));
    details->setPalette(grey);
    details->setAutoFillBackground(true);

    addDetail(0, QStringLiteral("Spilleomgang:"), "forhaandsvisninguke", &PreviewPanel::weekListRequested);
    addDetail(1, QStringLiteral("Kupong type:"), "forhaandsvisningkupongtype", &PreviewPanel::couponTypeListRequested);
    addDetail(2, QStringLiteral("Vi spiller"), "forhaandsvisningspilltype", &PreviewPanel::timeBasisListRequested);

    addLabel(QStringLiteral("Innsats totalt :"), this, QRect(214, 34, 86, 20));
    stake_ = figure("panelinnsatstotalt2", this, QRect(300, 34, 82, 20));
    addLabel(QStringLiteral("Antall andeler:"), this, QRect(214, 56, 86, 20));
    shares_ = new QComboBox(this);
    shares_->setObjectName(QStringLiteral("antallandeler2"));
    shares_->setGeometry(300, 56, 82, 20);
    showListRows(*shares_);
    connect(shares_, &QComboBox::activated, this, &PreviewPanel::sharesChosen);
    addLabel(QStringLiteral("Pris pr andel :"), this, QRect(214, 78, 86, 20));
    pricePerShare_ = figure("panelprisprandel2", this, QRect(300, 78, 82, 20));

    auto* guarantee = addLabel(QStringLiteral("GARANTI / VINNERSJANSE"), this, QRect(8, 104, 374, 16));
    guarantee->setStyleSheet(QStringLiteral("font-weight: bold;"));
    addLabel(QStringLiteral("Vi tipper            sikre og             halvgarderte kamper"), this, QRect(8, 122, 374, 18));
    sure_ = addLabel(QString(), this, QRect(58, 122, 22, 18), "panelsikre");
    half_ = addLabel(QString(), this, QRect(146, 122, 22, 18), "panelhalve");
    for (QLabel* count : {sure_, half_}) {
        count->setAlignment(Qt::AlignCenter);
        count->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    }
    addLabel(QStringLiteral("Dersom disse er riktig tippet er vi "), this, QRect(8, 140, 200, 18));
    auto* promise = addLabel(QStringLiteral("GARANTERT MINST 11 RETTE"), this, QRect(204, 140, 180, 18));
    promise->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));

    drawing_ = new CouponDrawingPanel(state_, this);
    drawing_->setGeometry(6, 162, 378, 218);

    // Kept for the certificate; not shown.
    directory_ = addLabel(QString(), this, QRect(), "forhaandsvisningkatalog");
    fileName_ = addLabel(QString(), this, QRect(), "forhaandsvisningfilnavn");
    directory_->hide();
    fileName_->hide();

    auto* close = new QPushButton(QStringLiteral("Lukk"), this);
    close->setObjectName(QStringLiteral("lukkforhaandsvisning"));
    close->setGeometry(150, 388, 90, 24);
    connect(close, &QPushButton::clicked, this, &PreviewPanel::closeRequested);
    auto* cross = new QToolButton(this);
    cross->setObjectName(QStringLiteral("lukkforhaandsvisningkryss"));
    cross->setText(QStringLiteral("X"));
    cross->setGeometry(364, 6, 20, 20);
    connect(cross, &QToolButton::clicked, this, &PreviewPanel::closeRequested);
}

void PreviewPanel::addDetail(int row, const QString& caption, const char* name, void (PreviewPanel::*request)()) {
    const int top = 34 + row * 22;
    auto* text = new QPushButton(caption, this);  // a click on the caption opens the list too
    text->setFlat(true);
    text->setStyleSheet(QStringLiteral("text-align: left;"));
    text->setGeometry(6, top, 82, 20);
    QLabel* value = figure(name, this, QRect(88, top, 100, 20));
    value->setAlignment(Qt::AlignCenter);
    auto* open = new QToolButton(this);
    open->setArrowType(Qt::DownArrow);
    open->setGeometry(190, top, 18, 20);
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(text), static_cast<QAbstractButton*>(open)}) {
        connect(button, &QAbstractButton::clicked, this, request);
    }
    (row == 0 ? week_ : row == 1 ? couponType_ : timeBasis_) = value;
}

void PreviewPanel::render() {
    setLabelText(*week_, state_.previewWeek);
    setLabelText(*couponType_, state_.previewCouponType);
    setStyleIfChanged(*couponType_, QStringLiteral("background: white; font-weight: bold; color: %1;")
                                   .arg(cssColour(couponTypeColour(couponTypeOf(state_)))));
    setLabelText(*timeBasis_, state_.previewTimeBasis);
    setLabelText(*stake_, state_.panelinnsatstotalt2);
    shareItems_.show(*shares_, state_.shareItems, state_.antallandeler2);
    setLabelText(*pricePerShare_, state_.panelprisprandel2);
    setLabelText(*sure_, state_.panelsikre);
    setLabelText(*half_, state_.panelhalve);
    setLabelText(*directory_, state_.previewDirectory);
    setLabelText(*fileName_, state_.previewFileName);
    drawing_->update();
}

}  // namespace andel
