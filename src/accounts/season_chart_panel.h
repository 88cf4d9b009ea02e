#pragma once
// The season's bar chart: per round a grey bar for the stake and a green one for the
// prize, with the week and the serial number under each pair. The scale is logarithmic in
// kroner, one grid line per power of ten, so that a stake of a few hundred kroner stays
// readable beside a prize of millions.
#include "accounts/season.h"

#include <QWidget>

namespace andel {

class SeasonChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit SeasonChartPanel(QWidget* parent = nullptr);
    void setSeason(const Season* season);
    QSize sizeHint() const override { return {640, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Season* season_ = nullptr;
};

// The top of the chart's scale: the power of ten at or above the largest stake or prize
// (at least 1.000).
std::int64_t chartScaleTop(const Season& season);

// How high a bar of `amount` stands on that scale, from 0 (1 krone or less) to 1 (the top).
double chartHeight(std::int64_t amount, std::int64_t top);

}  // namespace andel
