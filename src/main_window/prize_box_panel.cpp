#include "main_window/prize_box_panel.h"

#include "widgets/window_parts_panel.h"

#include "workbench/selectors.h"
#include "widgets/string_grid_panel.h"
#include "widgets/widget_sync_panel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

namespace andel {
namespace {

constexpr int kCellWidth = 16, kCellHeight = 13;

// A result cell: light green where the stem has the sign, red on silver where the result
// lies outside the stem, a red frame, and "+" where the sign was played wrong in the
// best rows.
class ResultCellDelegate : public QStyledItemDelegate {
public:
    ResultCellDelegate(const WorkbenchState& state, QObject* parent) : QStyledItemDelegate(parent), state_(state) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int row = index.row(), column = index.column();
        const bool inStem = !state_.stemGrid.at(column, row).empty();
        const bool marked = !state_.testgrid.at(column, row).empty();
        const bool outsideStem = marked && !inStem;
        painter->save();
        painter->fillRect(option.rect, outsideStem ? QColor(192, 192, 192) : inStem ? QColor(232, 255, 232) : Qt::white);
        const bool groupEnd = row % 3 == 0;
        const QRect cell = option.rect.adjusted(0, 0, -1, groupEnd ? -3 : -1);
        painter->setPen(Qt::red);
        painter->drawRect(cell);
        if (groupEnd) painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        QString text = QString::fromStdString(state_.testgrid.at(column, row));
        if (state_.wrongSigns[row - 1] & kSignBits[column - 1]) text += QLatin1Char('+');
        painter->setPen(outsideStem ? Qt::red : Qt::black);
        QFont font = option.font;
        font.setBold(true);
        painter->setFont(font);
        painter->drawText(cell, Qt::AlignCenter, text);
        painter->restore();
    }

private:
    const WorkbenchState& state_;
};

QLabel* heading(const QString& text, QWidget* parent, const QRect& geometry) {
    QLabel* label = addLabel(text, parent, geometry);
    label->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    return label;
}

}  // namespace

PrizeBoxPanel::PrizeBoxPanel(const WorkbenchState& state, QWidget* parent) : QFrame(parent), state_(state) {
    setObjectName(QStringLiteral("holdpremiebox"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    resize(240, 340);

    header_ = addLabel(QStringLiteral("PREMIETELLING"), this, QRect(3, 3, 234, 22), "premietellingheader");
    header_->setAlignment(Qt::AlignCenter);
    QPushButton* cross = addButton(QStringLiteral("X"), "Button2", this, QRect(214, 5, 20, 18));
    connect(cross, &QPushButton::clicked, this, &PrizeBoxPanel::closeRequested);

    addLabel(QStringLiteral("Resultat"), this, QRect(8, 30, 60, 14))->setStyleSheet(QStringLiteral("font-weight: bold;"));
    addLabel(QStringLiteral("H  U  B"), this, QRect(24, 44, 50, 14), "resultatheading");
    results_ = new QTableWidget(kStemGridRows, kStemGridColumns, this);
    results_->setObjectName(QStringLiteral("testgrid"));
    shapeGrid(*results_, kCellWidth);
    for (int row = 1; row <= kMatches; ++row) results_->setRowHeight(row, kCellHeight + (row % 3 == 0 ? 2 : 0));
    results_->setItemDelegate(new ResultCellDelegate(state_, results_));
    results_->setShowGrid(false);
    results_->setGeometry(24, 58, gridWidth(*results_, 3, kCellWidth), gridHeight(*results_));
    connect(results_, &QTableWidget::cellPressed, this, [this](int row, int column) { emit resultCellClicked(column, row); });
    for (int row = 1; row <= kMatches; ++row) {
        addLabel(QString::number(row) + QLatin1Char('.'), this,
                 QRect(2, 58 + results_->rowViewportPosition(row), 20, kCellHeight))
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    buildFigures();
    QPushButton* more = addButton(QStringLiteral("Detaljer >"), "vispremiedetaljer", this, QRect(8, 300, 100, 26));
    connect(more, &QPushButton::clicked, this, [this] { emit detailsRequested(true); });
    QPushButton* close = addButton(QStringLiteral("Lukk"), "Button3", this, QRect(132, 300, 100, 26));
    connect(close, &QPushButton::clicked, this, &PrizeBoxPanel::closeRequested);
    buildDetails();
}

void PrizeBoxPanel::buildFigures() {
    constexpr int left = 90, captionWidth = 64, valueLeft = 154, valueWidth = 80;
    heading(QStringLiteral("ANTALL PREMIER"), this, QRect(left, 30, 146, 16));
    const char* rowNames[] = {"pr12", "pr11", "pr10"};
    const char* forecastNames[] = {"premie12", "premie11", "premie10"};
    for (int i = 0; i < 3; ++i) {
        const QString count = QString::number(12 - i);
        addLabel(count + QStringLiteral("-ere"), this, QRect(left, 48 + i * 22, captionWidth, 20));
        rows_[i] = figure(rowNames[i], this, QRect(valueLeft, 48 + i * 22, valueWidth, 20));
        addLabel(count + QStringLiteral(" rette"), this, QRect(left, 136 + i * 22, captionWidth, 20));
        forecasts_[i] = figure(forecastNames[i], this, QRect(valueLeft, 136 + i * 22, valueWidth, 20));
    }
    heading(QStringLiteral("PREMIEPROGNOSER"), this, QRect(left, 118, 146, 16));
    heading(QStringLiteral(" TIL UTBETALING"), this, QRect(left, 206, 146, 16));
    totalCaption_ = addLabel(QStringLiteral("Totalt"), this, QRect(left, 224, captionWidth, 20));
    total_ = figure("premietotalt", this, QRect(valueLeft, 224, valueWidth, 20));
    addLabel(QStringLiteral("Pr andel"), this, QRect(left, 246, captionWidth, 20));
    perShare_ = figure("premieprandel", this, QRect(valueLeft, 246, valueWidth, 20));
    pauseCaption_ = addLabel(QStringLiteral("Pause"), this, QRect(left, 268, captionWidth, 20));
    pauseTotal_ = figure("premiepause", this, QRect(valueLeft, 268, valueWidth, 20));
    pauseCaption_->hide();
    pauseTotal_->hide();
}

void PrizeBoxPanel::buildDetails() {
    details_ = new QFrame(this);
    details_->setObjectName(QStringLiteral("premiedetaljer"));
    details_->setGeometry(84, 28, 152, 300);
    details_->setFrameShape(QFrame::Panel);
    details_->setFrameShadow(QFrame::Raised);
    details_->setAutoFillBackground(true);
    for (int k = kMatches; k >= 0; --k) {
        const int top = 6 + (kMatches - k) * 19;
        addLabel(QString::number(k) + QStringLiteral(" rette"), details_, QRect(8, top, 60, 18));
        detailCounts_[k] = figure(QStringLiteral("p%1").arg(k).toLatin1().constData(), details_, QRect(70, top, 74, 18));
    }
    QPushButton* close = addButton(QStringLiteral("Lukk"), "lukkpremiedetaljer", details_, QRect(8, 256, 64, 24));
    QPushButton* cross = addButton(QStringLiteral("X"), "Button1", details_, QRect(120, 256, 24, 24));
    for (QPushButton* button : {close, cross}) {
        connect(button, &QPushButton::clicked, this, [this] { emit detailsRequested(false); });
    }
    details_->hide();
}

void PrizeBoxPanel::render() {
    setStyleIfChanged(*header_, QStringLiteral("background: %1; color: white; font-weight: bold;")
                                    .arg(cssColour(couponHeadingColour(couponTypeOf(state_)))));
    fillGrid(*results_, state_.testgrid.cells);
    results_->viewport()->update();
    const std::string* rows[] = {&state_.pr12, &state_.pr11, &state_.pr10};
    const std::string* forecasts[] = {&state_.premie12, &state_.premie11, &state_.premie10};
    for (int i = 0; i < 3; ++i) {
        setLabelText(*rows_[i], *rows[i]);
        setLabelText(*forecasts_[i], *forecasts[i]);
    }
    setLabelText(*total_, state_.premietotalt);
    setLabelText(*perShare_, state_.premieprandel);
    // BEGGE wins on both results: its full time's total is named as such, the half time's beside it.
    const bool both = timeBasisOf(state_) == TimeBasis::Both;
    setLabelText(*totalCaption_, both ? "Fulltid" : "Totalt");
    setLabelText(*pauseTotal_, state_.premiepause);
    pauseCaption_->setVisible(both);
    pauseTotal_->setVisible(both);
    for (int k = 0; k <= kMatches; ++k) setLabelText(*detailCounts_[k], state_.prizeDetails[k]);
    details_->setVisible(state_.prizeDetailsVisible);
}

}  // namespace andel
