#include "main_window/stem_area_panel.h"

#include "widgets/press_panel.h"
#include "workbench/selectors.h"
#include "widgets/string_grid_panel.h"
#include "widgets/widget_sync_panel.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace andel {
namespace {

constexpr int kCellWidth = 20, kCouponCellWidth = 20;


QLabel* label(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

// The match list's columns: number, home team, "- " and the away team.
constexpr int kHomeLeft = 25, kHomeWidth = 98, kAwayLeft = 125;

QFont matchFont(const QWidget& list) {
    QFont small = list.font();
    small.setPointSize(7);
    return small;
}

}  // namespace

MatchListPanel::MatchListPanel(const WorkbenchState& state, const QTableWidget& stemGrid, QWidget* parent)
    : QWidget(parent), state_(state), stemGrid_(stemGrid) {
    setObjectName(QStringLiteral("PaintBox1"));
}

void MatchListPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(Qt::black);
    const QFont small = matchFont(*this);
    painter.setFont(small);
    const QFontMetrics metrics(small);
    // Long names are shortened with "…" rather than cut in the middle of a letter.
    const auto fitted = [&metrics](const std::string& name, int width) {
        return metrics.elidedText(QString::fromStdString(name), Qt::ElideRight, width);
    };
    for (int row = 1; row <= kMatches; ++row) {
        const int top = stemGrid_.rowViewportPosition(row);
        const int height = stemGrid_.rowHeight(row);
        const QString number = QString::number(row).rightJustified(2, ' ') + ".";
        const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine;
        painter.drawText(QRect(5, top, 18, height), Qt::AlignVCenter | Qt::AlignRight, number);
        painter.drawText(QRect(kHomeLeft, top, kHomeWidth, height), flags, fitted(state_.teamNames[2 * (row - 1)], kHomeWidth));
        const int awayWidth = width() - kAwayLeft;
        painter.drawText(QRect(kAwayLeft, top, awayWidth, height), flags,
                         QStringLiteral("- ") + fitted(state_.teamNames[2 * (row - 1) + 1], awayWidth - metrics.horizontalAdvance(QStringLiteral("- "))));
    }
}

bool MatchListPanel::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    for (int row = 1; row <= kMatches; ++row) {
        const int top = stemGrid_.rowViewportPosition(row);
        if (at.y() < top || at.y() >= top + stemGrid_.rowHeight(row)) continue;
        const QString home = QString::fromStdString(state_.teamNames[2 * (row - 1)]);
        const QString away = QString::fromStdString(state_.teamNames[2 * (row - 1) + 1]);
        const QFontMetrics metrics(matchFont(*this));
        const int awayRoom = width() - kAwayLeft - metrics.horizontalAdvance(QStringLiteral("- "));
        if (metrics.horizontalAdvance(home) > kHomeWidth || metrics.horizontalAdvance(away) > awayRoom) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), home + QStringLiteral(" - ") + away, this);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

StemAreaPanel::StemAreaPanel(const WorkbenchState& state, QWidget* parent) : QWidget(parent), state_(state) {
    weekDisplay_ = label(QString(), this, QRect(0, 0, 286, 19));
    weekDisplay_->setObjectName(QStringLiteral("vistippeomgang"));
    weekDisplay_->setFocusPolicy(Qt::StrongFocus);
    weekDisplay_->setAlignment(Qt::AlignCenter);
    weekDisplay_->setFrameShape(QFrame::Panel);
    weekDisplay_->setFrameShadow(QFrame::Sunken);

    constexpr int kGridLeft = 198, kGridTop = 50;
    label(QStringLiteral("Stamme"), this, QRect(kGridLeft, 21, 62, 14))->setAlignment(Qt::AlignCenter);
    heading_ = label(QStringLiteral("H  U  B"), this, QRect(kGridLeft, 35, 62, 14));
    heading_->setObjectName(QStringLiteral("hubheading"));
    heading_->setAlignment(Qt::AlignCenter);

    stemGrid_ = new QTableWidget(kStemGridRows, kStemGridColumns, this);
    stemGrid_->setObjectName(QStringLiteral("StringGrid1"));
    shapeGrid(*stemGrid_, kCellWidth);
    stemGrid_->setItemDelegate(new GridCellDelegate(Qt::red, true, stemGrid_));
    stemGrid_->setShowGrid(false);
    stemGrid_->setGeometry(kGridLeft, kGridTop, gridWidth(*stemGrid_, 3, kCellWidth), gridHeight(*stemGrid_));
    connect(stemGrid_, &QTableWidget::cellPressed, this,
            [this](int row, int column) { emit stemCellPressed(column, row); });
    // The stem is marked from the keyboard as well: the arrows move the framed cell, Space
    // toggles it, and H/U/B (or 1/X/2) toggle that sign of the framed match.
    stemGrid_->setFocusPolicy(Qt::StrongFocus);
    stemGrid_->setTabKeyNavigation(false);  // Tab leaves the grid; the arrows move in it
    stemGrid_->setToolTip(QStringLiteral("Piltaster flytter, mellomrom, H/U/B eller 1/X/2 merker"));
    stemGrid_->installEventFilter(this);

    couponGrid_ = new QTableWidget(kCouponGridRows, kCouponGridColumns, this);
    couponGrid_->setObjectName(QStringLiteral("StringGrid2"));
    shapeGrid(*couponGrid_, kCouponCellWidth);
    couponGrid_->setItemDelegate(new GridCellDelegate(Qt::gray, false, couponGrid_));
    couponGrid_->setShowGrid(false);
    couponGrid_->setGeometry(stemGrid_->geometry().right() + 3, kGridTop, gridWidth(*couponGrid_, 1, kCouponCellWidth),
                            gridHeight(*stemGrid_));
    couponGrid_->setToolTip(QStringLiteral("Dra en kamp opp eller ned for å bytte plass"));
    couponGrid_->viewport()->installEventFilter(this);

    matchList_ = new MatchListPanel(state_, *stemGrid_, this);
    matchList_->setGeometry(0, kGridTop + 1, kGridLeft - 2, gridHeight(*stemGrid_));

    const int below = kGridTop + gridHeight(*stemGrid_) + 4;
    label(QStringLiteral("Rekker i stamme :"), this, QRect(5, below, 110, 20));
    stemRows_ = label(QString(), this, QRect(115, below, 80, 20));
    stemRows_->setObjectName(QStringLiteral("rekkeristamme"));
    stemRows_->setStyleSheet(QStringLiteral("font-weight: bold;"));
    kindCounts_ = label(QString(), this, QRect(5, below + 18, 280, 18));
    kindCounts_->setObjectName(QStringLiteral("antallkamptyper"));

    auto* today = new PressPanel(QStringLiteral("settdagenskupong"), Picture::Calendar,
                                 QStringLiteral("    < Sett til dagens kupong"), QStringLiteral("Sett til dagens kupong"), this);
    today->setGeometry(0, below + 40, 190, 26);
    connect(today, &PressPanel::clicked, this, &StemAreaPanel::todayPressed);
    auto* reset = new PressPanel(QStringLiteral("BitBtn5"), Picture::Reset, QStringLiteral("Resett"),
                                 QStringLiteral("Resett stamme"), this);
    reset->setGeometry(196, below + 40, 90, 26);
    connect(reset, &PressPanel::clicked, this, &StemAreaPanel::resetPressed);
}

void StemAreaPanel::render() {
    fillGrid(*stemGrid_, state_.stemGrid.cells);
    fillGrid(*couponGrid_, state_.couponGrid.cells);
    setLabelText(*weekDisplay_, state_.vistippeomgang);
    const QString colour = cssColour(couponHeadingColour(couponTypeOf(state_)));
    setStyleIfChanged(*weekDisplay_, QStringLiteral("background: white; font-weight: bold; color: %1;").arg(colour));
    setStyleIfChanged(*heading_, QStringLiteral("font-weight: bold; color: %1;").arg(colour));
    stemRows_->setText(QString::fromStdString(state_.stemRows));
    kindCounts_->setText(QStringLiteral("%1 sikre,  %2 halvgarderte,  %3 hele")
                             .arg(QString::fromStdString(state_.panelsikre), QString::fromStdString(state_.panelhalve),
                                  QString::fromStdString(state_.panelhele)));
    matchList_->update();
}

bool StemAreaPanel::stemGridKey(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int row = std::clamp(stemGrid_->currentRow(), 1, kMatches);
    const int column = std::clamp(stemGrid_->currentColumn(), 1, 3);
    const auto moveTo = [this](int r, int c) { stemGrid_->setCurrentCell(std::clamp(r, 1, kMatches), std::clamp(c, 1, 3)); };
    const auto toggle = [this, row, &moveTo](int c) {
        moveTo(row, c);
        emit stemCellPressed(c, row);
    };
    switch (key.key()) {
        case Qt::Key_Up: moveTo(row - 1, column); return true;
        case Qt::Key_Down: moveTo(row + 1, column); return true;
        case Qt::Key_Left: moveTo(row, column - 1); return true;
        case Qt::Key_Right: moveTo(row, column + 1); return true;
        case Qt::Key_Home: moveTo(1, column); return true;
        case Qt::Key_End: moveTo(kMatches, column); return true;
        case Qt::Key_Space: toggle(column); return true;
        case Qt::Key_H: case Qt::Key_1: toggle(1); return true;
        case Qt::Key_U: case Qt::Key_X: toggle(2); return true;
        case Qt::Key_B: case Qt::Key_2: toggle(3); return true;
        default: return false;
    }
}

bool StemAreaPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stemGrid_) {
        if (event->type() == QEvent::FocusIn && stemGrid_->currentRow() < 1) stemGrid_->setCurrentCell(1, 1);
        if (event->type() == QEvent::KeyPress && stemGridKey(static_cast<const QKeyEvent&>(*event))) return true;
        return QWidget::eventFilter(watched, event);
    }
    if (watched != couponGrid_->viewport()) return QWidget::eventFilter(watched, event);
    const auto rowAt = [this](QEvent* e) { return couponGrid_->rowAt(static_cast<QMouseEvent*>(e)->position().toPoint().y()); };
    switch (event->type()) {
        case QEvent::MouseButtonPress: emit couponDragStarted(rowAt(event)); return true;
        case QEvent::MouseMove: {
            const int row = rowAt(event);
            if (row >= 1) emit couponDragMoved(row);
            return true;
        }
        case QEvent::MouseButtonRelease: emit couponDragEnded(); return true;
        default: return QWidget::eventFilter(watched, event);
    }
}

}  // namespace andel
