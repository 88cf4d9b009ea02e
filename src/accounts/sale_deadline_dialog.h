#pragma once
// "Salgsfrister": the agent's deadline of the sale per coupon type (a weekday and a time,
// or none), stored in the settings. No deadline is built in.
#include "accounts/sale_deadline.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

#include <array>

class QComboBox;
class QTimeEdit;

namespace andel {

class Tsalgsfrister : public QDialog {
    Q_OBJECT
public:
    explicit Tsalgsfrister(QWidget* parent = nullptr);
    void setDeadlines(const std::array<std::optional<SaleDeadline>, kCouponTypeCount>& deadlines);
    std::array<std::optional<SaleDeadline>, kCouponTypeCount> deadlines() const;

private:
    std::array<QComboBox*, kCouponTypeCount> days_{};
    std::array<QTimeEdit*, kCouponTypeCount> times_{};
};

// Shows the dialog with the stored deadlines and stores what the agent accepts.
void editSaleDeadlines(QWidget* parent, const Workspace& workspace, Messages& messages);

}  // namespace andel
