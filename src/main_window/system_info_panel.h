#pragma once
// "9 kuponger m/rekkeantall": rows per coupon, the row totals, the too-many-rows warning,
// the 3 x 3 coupon picture and the system's guarantee.
#include "workbench/workbench_state.h"

#include <QFrame>
#include <array>

class QLabel;

namespace andel {

// The small picture of the nine coupons, each labelled with its rows.
class CouponPicturePanel : public QWidget {
    Q_OBJECT
public:
    explicit CouponPicturePanel(QWidget* parent);
    void setRows(const QString& rows);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString rows_;
};

class SystemInfoPanel : public QFrame {
    Q_OBJECT
public:
    explicit SystemInfoPanel(QWidget* parent);
    void render(const WorkbenchState& state);

private:
    std::array<QLabel*, kCoupons> counts_{};
    QLabel* couponLine_;
    QLabel* reductionLine_;
    QFrame* warning_;
    QLabel* banner_;
    CouponPicturePanel* picture_;
};

}  // namespace andel
