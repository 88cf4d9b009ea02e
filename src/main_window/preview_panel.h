#pragma once
// The preview panel `Panel7`: the syndicate as its certificate will show it: game
// details, shares figures, guarantee and a drawing of the nine coupons.
#include "widgets/widget_sync_panel.h"
#include "workbench/workbench_state.h"

#include <QFrame>

class QComboBox;
class QLabel;

namespace andel {

// The nine coupons side by side, 12 matches by H, U, B each, with their rows.
class CouponDrawingPanel : public QWidget {
    Q_OBJECT
public:
    CouponDrawingPanel(const WorkbenchState& state, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const WorkbenchState& state_;
};

class PreviewPanel : public QFrame {
    Q_OBJECT
public:
    PreviewPanel(const WorkbenchState& state, QWidget* parent);
    void render();

signals:
    void sharesChosen(int index);
    void weekListRequested();
    void couponTypeListRequested();
    void timeBasisListRequested();
    void closeRequested();

private:
    void addDetail(int row, const QString& caption, const char* name, void (PreviewPanel::*request)());

    const WorkbenchState& state_;
    QLabel* week_ = nullptr;
    QLabel* couponType_ = nullptr;
    QLabel* timeBasis_ = nullptr;
    QLabel* stake_;
    QComboBox* shares_;
    ComboItems shareItems_;
    QLabel* pricePerShare_;
    QLabel* sure_;
    QLabel* half_;
    QLabel* directory_;
    QLabel* fileName_;
    CouponDrawingPanel* drawing_;
};

}  // namespace andel
