#pragma once
// The season's bar chart: per round a grey bar for the stake and a green one for the
// prize, on one scale in kroner, with the week under each pair.
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

// The top of the chart's scale: the largest stake or prize rounded up to 1, 2 or 5 times
// a power of ten, so the grid lines fall on round amounts.
std::int64_t chartScaleTop(const Season& season);

}  // namespace andel
