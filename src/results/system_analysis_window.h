#pragma once
// `Tsystemanalyse` ("Systemanalyse"): what the stem in hand gives under every outcome of
// the round, when all sure and half-guarded picks are right and when one or two of them
// go wrong — a table and a bar chart of how often the best row has 12, 11, 10 or fewer
// right, the average rows with 12, 11 and 10 right, and whether the guarantee holds.
// Not modal; shown again for a new stem.
#include "model/coupon.h"
#include "results/system_analysis.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace andel {

class SystemAnalysisChartPanel;

class Tsystemanalyse : public QDialog {
    Q_OBJECT
public:
    explicit Tsystemanalyse(QWidget* parent = nullptr);
    // Analyses the system of the stem and its nine coupons and shows it.
    void showSystem(const std::array<SignMask, kMatches>& stem, const CouponSet& coupons);
    const SystemAnalysis& analysis() const { return analysis_; }

private:
    SystemAnalysis analysis_;
    QLabel* stem_;
    QLabel* guarantee_;
    QTableWidget* table_;
    SystemAnalysisChartPanel* chart_;
};

// The chart: per case a bar of the outcomes split by their best row (12, 11, 10, fewer).
class SystemAnalysisChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit SystemAnalysisChartPanel(QWidget* parent = nullptr);
    void setAnalysis(const SystemAnalysis* analysis);
    QSize sizeHint() const override { return {560, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const SystemAnalysis* analysis_ = nullptr;
};

}  // namespace andel
