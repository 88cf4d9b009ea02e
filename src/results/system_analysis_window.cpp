#include "results/system_analysis_window.h"

#include "model/text.h"
#include "results/row_lines.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>

namespace andel {
namespace {

struct Case {
    const char* caption;
    const OutcomeSpread SystemAnalysis::*spread;
};
constexpr Case kCases[] = {
    {"Alle sikre og halvgarderte riktige", &SystemAnalysis::allRight},
    {"Én av dem feil", &SystemAnalysis::oneWrong},
    {"To av dem feil", &SystemAnalysis::twoWrong},
};

// The best rows in the chart's order, with their colours.
struct Band {
    const char* caption;
    QColor colour;
};
const Band kBands[] = {{"12 rette", QColor(30, 120, 50)},
                       {"11 rette", QColor(90, 170, 90)},
                       {"10 rette", QColor(200, 190, 80)},
                       {"Under 10", QColor(190, 190, 200)}};

std::int64_t bandCount(const OutcomeSpread& spread, int band) {
    return band < 3 ? spread.best[static_cast<std::size_t>(12 - band)] : spread.bestBelow(10);
}

QString decimals(double value, int places) { return QString::number(value, 'f', places).replace(QLatin1Char('.'), QLatin1Char(',')); }

QString percent(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? QStringLiteral("-") : decimals(100.0 * static_cast<double>(part) / static_cast<double>(whole), 1) + " %";
}

}  // namespace

Tsystemanalyse::Tsystemanalyse(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tsystemanalyse"));
    setWindowTitle(QStringLiteral("Systemanalyse"));
    auto* layout = new QVBoxLayout(this);
    stem_ = new QLabel;
    stem_->setObjectName(QStringLiteral("stammefakta"));
    stem_->setWordWrap(true);
    layout->addWidget(stem_);
    guarantee_ = new QLabel;
    guarantee_->setObjectName(QStringLiteral("garanti"));
    guarantee_->setWordWrap(true);
    QFont bold = guarantee_->font();
    bold.setBold(true);
    guarantee_->setFont(bold);
    layout->addWidget(guarantee_);

    table_ = new QTableWidget(static_cast<int>(std::size(kCases)), 8);
    table_->setObjectName(QStringLiteral("analysetabell"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Utfall"), QStringLiteral("Beste rad\n12 rette"),
                                       QStringLiteral("Beste rad\n11 rette"), QStringLiteral("Beste rad\n10 rette"),
                                       QStringLiteral("Beste rad\nunder 10"), QStringLiteral("Snitt rader\n12 rette"),
                                       QStringLiteral("Snitt rader\n11 rette"), QStringLiteral("Snitt rader\n10 rette")});
    QStringList cases;
    for (const Case& c : kCases) cases << QString::fromUtf8(c.caption);
    table_->setVerticalHeaderLabels(cases);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(table_);

    chart_ = new SystemAnalysisChartPanel;
    layout->addWidget(chart_, 1);

    auto* close = new QPushButton(QStringLiteral("Lukk"));
    close->setObjectName(QStringLiteral("lukk"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    setMinimumWidth(1040);
    resize(1040, 470);
}

void Tsystemanalyse::showSystem(const std::array<SignMask, kMatches>& stem, const CouponSet& coupons) {
    analysis_ = analyseSystem(coupons, stem);
    int sure = 0, half = 0, full = 0;
    for (SignMask mask : stem) {
        const int signs = signCount(mask & kAllSigns);
        sure += signs == 1;
        half += signs == 2;
        full += signs == 3;
    }
    stem_->setText(QStringLiteral("%1 sikre, %2 halvgarderte og %3 helgarderte kamper, %4 rekker på de ni kupongene. "
                                  "Et utfall er ett resultat av alle tolv kampene.")
                       .arg(sure)
                       .arg(half)
                       .arg(full)
                       .arg(QString::fromStdString(formatAmount(rowCount(coupons)))));
    const bool holds = analysis_.allRight.outcomes > 0 && analysis_.allRight.bestBelow(11) == 0;
    guarantee_->setText(holds ? QStringLiteral("Garantien holder: når de sikre og halvgarderte kampene er riktige, har "
                                               "systemet minst 11 rette i alle %1 utfall.")
                                    .arg(QString::fromStdString(formatAmount(analysis_.allRight.outcomes)))
                              : QStringLiteral("Garantien holder IKKE: %1 av utfallene med riktige sikre og halvgarderte "
                                               "gir under 11 rette.")
                                    .arg(QString::fromStdString(formatAmount(analysis_.allRight.bestBelow(11)))));
    guarantee_->setStyleSheet(holds ? QStringLiteral("color: #106010") : QStringLiteral("color: #c00000"));

    for (int row = 0; row < static_cast<int>(std::size(kCases)); ++row) {
        const OutcomeSpread& spread = analysis_.*(kCases[row].spread);
        QStringList cells{QString::fromStdString(formatAmount(spread.outcomes))};
        // The shares of the outcomes are in the chart below.
        for (int band = 0; band < 4; ++band) cells << QString::fromStdString(formatAmount(bandCount(spread, band)));
        for (int k : {12, 11, 10}) cells << decimals(spread.averageRows(k), 3);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length() +
                           2 * table_->frameWidth() + 2);
    chart_->setAnalysis(&analysis_);
}

SystemAnalysisChartPanel::SystemAnalysisChartPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("analysegraf"));
    setMinimumHeight(170);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void SystemAnalysisChartPanel::setAnalysis(const SystemAnalysis* analysis) {
    analysis_ = analysis;
    update();
}

void SystemAnalysisChartPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont small = font();
    small.setPointSize(8);
    painter.setFont(small);
    // Legend along the top, then one horizontal bar per case, split by the best row.
    int x = 10;
    for (const Band& band : kBands) {
        painter.fillRect(x, 8, 12, 12, band.colour);
        painter.drawText(x + 16, 18, QString::fromUtf8(band.caption));
        x += 96;
    }
    if (!analysis_) return;
    const int labelWidth = 220, top = 34;
    const int barHeight = std::max(16, (height() - top - 10) / static_cast<int>(std::size(kCases)) - 10);
    const int barWidth = width() - labelWidth - 20;
    for (int row = 0; row < static_cast<int>(std::size(kCases)); ++row) {
        const OutcomeSpread& spread = analysis_->*(kCases[row].spread);
        const int y = top + row * (barHeight + 10);
        painter.setPen(Qt::black);
        painter.drawText(QRect(10, y, labelWidth - 16, barHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(kCases[row].caption));
        if (spread.outcomes == 0) {
            painter.drawText(QRect(labelWidth, y, barWidth, barHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("ingen slike utfall"));
            continue;
        }
        int left = labelWidth;
        for (int band = 0; band < 4; ++band) {
            const double share = static_cast<double>(bandCount(spread, band)) / static_cast<double>(spread.outcomes);
            const int width = static_cast<int>(share * barWidth + 0.5);
            painter.fillRect(left, y, width, barHeight, kBands[band].colour);
            const QString text = percent(bandCount(spread, band), spread.outcomes);
            if (width > painter.fontMetrics().horizontalAdvance(text) + 6) {
                painter.drawText(QRect(left, y, width, barHeight), Qt::AlignCenter, text);
            }
            left += width;
        }
        painter.setPen(QColor(80, 80, 80));
        painter.drawRect(labelWidth, y, barWidth, barHeight);
    }
}

}  // namespace andel
