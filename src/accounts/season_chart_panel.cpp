#include "accounts/season_chart_panel.h"

#include "model/text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace andel {
namespace {

const QColor kStakeColour(150, 150, 160), kPrizeColour(40, 150, 60);
constexpr int kLeftMargin = 64, kBottomMargin = 34, kTopMargin = 24, kRightMargin = 12;

}  // namespace

std::int64_t chartScaleTop(const Season& season) {
    std::int64_t largest = 1;
    for (const SeasonRow& row : season.rows) largest = std::max({largest, row.stake, row.winnings.prize});
    std::int64_t top = 1000;
    while (top < largest && top < 1'000'000'000'000LL) top *= 10;
    return top;
}

double chartHeight(std::int64_t amount, std::int64_t top) {
    if (amount <= 1) return 0.0;
    return std::min(1.0, std::log10(static_cast<double>(amount)) / std::log10(static_cast<double>(top)));
}

SeasonChartPanel::SeasonChartPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sesonggraf"));
    setMinimumHeight(180);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void SeasonChartPanel::setSeason(const Season* season) {
    season_ = season;
    update();
}

void SeasonChartPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect plot(kLeftMargin, kTopMargin, width() - kLeftMargin - kRightMargin,
                     height() - kTopMargin - kBottomMargin);
    QFont small = font();
    small.setPointSize(7);
    painter.setFont(small);

    // Legend.
    painter.fillRect(kLeftMargin, 6, 10, 10, kStakeColour);
    painter.drawText(kLeftMargin + 14, 15, QStringLiteral("Innsats"));
    painter.fillRect(kLeftMargin + 70, 6, 10, 10, kPrizeColour);
    painter.drawText(kLeftMargin + 84, 15, QStringLiteral("Premie"));

    if (!season_ || season_->rows.empty()) {
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("Ingen andelslag med regnskap ennå"));
        return;
    }
    const std::int64_t top = chartScaleTop(*season_);
    const auto yOf = [&](std::int64_t amount) {
        return plot.bottom() - static_cast<int>(chartHeight(amount, top) * plot.height());
    };
    for (std::int64_t amount = 1; amount <= top; amount *= 10) {
        const int y = yOf(amount);
        painter.setPen(QColor(220, 220, 220));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, y - 7, kLeftMargin - 6, 14), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(formatAmount(amount)));
    }
    painter.drawText(QRect(kLeftMargin + 140, 4, 300, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("kroner, logaritmisk skala"));

    const int rounds = static_cast<int>(season_->rows.size());
    const double slot = static_cast<double>(plot.width()) / rounds;
    const int bar = std::max(1, static_cast<int>(slot * 0.35));
    const int labelEvery = std::max(1, static_cast<int>(44 / std::max(slot, 1.0)));
    for (int i = 0; i < rounds; ++i) {
        const SeasonRow& row = season_->rows[static_cast<std::size_t>(i)];
        const int left = plot.left() + static_cast<int>(i * slot + slot / 2) - bar;
        painter.fillRect(QRect(QPoint(left, yOf(row.stake)), QPoint(left + bar - 1, plot.bottom())), kStakeColour);
        if (row.winnings.prize > 0) {
            painter.fillRect(QRect(QPoint(left + bar, yOf(row.winnings.prize)), QPoint(left + 2 * bar - 1, plot.bottom())),
                             kPrizeColour);
        }
        if (i % labelEvery == 0) {
            painter.setPen(Qt::black);
            const QString week = QStringLiteral("%1/%2").arg(row.week.week, 2, 10, QLatin1Char('0')).arg(row.week.year % 100, 2, 10, QLatin1Char('0'));
            painter.drawText(QRect(left + bar - 30, plot.bottom() + 3, 60, 14), Qt::AlignHCenter | Qt::AlignTop, week);
            painter.drawText(QRect(left + bar - 30, plot.bottom() + 15, 60, 14), Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(row.serialNumber));
        }
    }
    painter.setPen(Qt::black);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

}  // namespace andel
