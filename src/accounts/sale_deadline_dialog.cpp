#include "accounts/sale_deadline_dialog.h"

#include "accounts/guarded_step.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace andel {

Tsalgsfrister::Tsalgsfrister(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tsalgsfrister"));
    setWindowTitle(QStringLiteral("Salgsfrister"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Siste salg av andeler i spilleuken, pr kupongtype:")));
    auto* grid = new QGridLayout;
    for (int type = 0; type < kCouponTypeCount; ++type) {
        const std::string name(couponTypeText(couponTypeFromIndex(type)));
        grid->addWidget(new QLabel(QString::fromStdString(name)), type, 0);
        auto* day = new QComboBox;
        day->setObjectName(QStringLiteral("dag%1").arg(type));
        day->addItem(QStringLiteral("(ingen frist)"));
        for (int weekday = 1; weekday <= 7; ++weekday) day->addItem(QString::fromStdString(std::string(weekdayText(weekday))));
        auto* time = new QTimeEdit;
        time->setObjectName(QStringLiteral("klokke%1").arg(type));
        time->setDisplayFormat(QStringLiteral("HH:mm"));
        grid->addWidget(day, type, 1);
        grid->addWidget(time, type, 2);
        connect(day, &QComboBox::currentIndexChanged, time, [time](int index) { time->setEnabled(index > 0); });
        time->setEnabled(false);
        days_[static_cast<std::size_t>(type)] = day;
        times_[static_cast<std::size_t>(type)] = time;
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void Tsalgsfrister::setDeadlines(const std::array<std::optional<SaleDeadline>, kCouponTypeCount>& deadlines) {
    for (std::size_t i = 0; i < deadlines.size(); ++i) {
        days_[i]->setCurrentIndex(deadlines[i] ? deadlines[i]->weekday : 0);
        times_[i]->setTime(deadlines[i] ? QTime(deadlines[i]->hour, deadlines[i]->minute) : QTime(0, 0));
    }
}

std::array<std::optional<SaleDeadline>, kCouponTypeCount> Tsalgsfrister::deadlines() const {
    std::array<std::optional<SaleDeadline>, kCouponTypeCount> chosen;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (days_[i]->currentIndex() <= 0) continue;
        chosen[i] = SaleDeadline{days_[i]->currentIndex(), times_[i]->time().hour(), times_[i]->time().minute()};
    }
    return chosen;
}

void editSaleDeadlines(QWidget* parent, const Workspace& workspace, Messages& messages) {
    guardedStep(messages, [&] {
        SettingsStore settings = mainStore(workspace, messages);
        std::array<std::optional<SaleDeadline>, kCouponTypeCount> stored;
        for (int type = 0; type < kCouponTypeCount; ++type) {
            stored[static_cast<std::size_t>(type)] = storedSaleDeadline(settings, couponTypeFromIndex(type));
        }
        Tsalgsfrister dialog(parent);
        dialog.setDeadlines(stored);
        if (dialog.exec() != QDialog::Accepted) return;
        const auto chosen = dialog.deadlines();
        for (int type = 0; type < kCouponTypeCount; ++type) {
            const auto& deadline = chosen[static_cast<std::size_t>(type)];
            if (deadline != stored[static_cast<std::size_t>(type)]) storeSaleDeadline(settings, couponTypeFromIndex(type), deadline);
        }
    });
}

}  // namespace andel
