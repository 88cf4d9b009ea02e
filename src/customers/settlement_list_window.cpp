#include "customers/settlement_list_window.h"

#include "customers/cash_report_window.h"
#include "accounts/guarded_step.h"
#include "books/journal.h"
#include "widgets/child_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace andel {

Tdagsoppgjorliste::Tdagsoppgjorliste(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages) {
    setObjectName(QStringLiteral("Tdagsoppgjorliste"));
    setWindowTitle(QStringLiteral("Tidligere dagsoppgjør"));
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 6);
    table_->setObjectName(QStringLiteral("oppgjor"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Nr"), QStringLiteral("Dager"), QStringLiteral("Skal være"),
                                       QStringLiteral("Talt"), QStringLiteral("Differanse"), QStringLiteral("Avsluttet av")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    layout->addWidget(table_);
    auto* buttons = new QHBoxLayout;
    auto* show = new QPushButton(QStringLiteral("&Vis og skriv ut..."));
    show->setObjectName(QStringLiteral("vis"));
    auto* close = new QPushButton(QStringLiteral("&Lukk"));
    close->setObjectName(QStringLiteral("lukk"));
    for (QPushButton* b : {show, close}) b->setAutoDefault(false);
    buttons->addWidget(show);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(show, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { showChosen(); }); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { guardedStep(messages_, [this] { showChosen(); }); });
    // Enter on a row shows it, as a double click does.
    auto* enter = new QAction(table_);
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(enter);
    connect(enter, &QAction::triggered, this, [this] { guardedStep(messages_, [this] { showChosen(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(640, 360);
}

void Tdagsoppgjorliste::reload() {
    Journal journal(workspace_, &messages_);
    settlements_ = journal.read([&] { return daySettlements(journal); });
    std::reverse(settlements_.begin(), settlements_.end());
    table_->setRowCount(static_cast<int>(settlements_.size()));
    for (std::size_t i = 0; i < settlements_.size(); ++i) {
        const DaySettlement& s = settlements_[i];
        const std::string days = s.from == s.day ? ledgerDateText(s.day) : ledgerDateText(s.from) + " – " + ledgerDateText(s.day);
        const std::string cells[] = {std::to_string(s.number), days, oreText(s.expectedOre), oreText(s.countedOre),
                                     oreText(s.differenceOre), s.agent};
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
            if (c != 1 && c != 5) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(i), c, item);
        }
    }
    table_->resizeColumnsToContents();
    if (!settlements_.empty()) table_->setCurrentCell(0, 0);
    table_->setFocus();
}

void Tdagsoppgjorliste::showChosen() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(settlements_.size())) return;
    showCashReport(parentWidget(), workspace_, messages_, settlements_[static_cast<std::size_t>(row)].number);
}

Tdagsoppgjorliste& showSettlementList(QWidget* owner, const Workspace& workspace, Messages& messages) {
    Tdagsoppgjorliste& window =
        childWindow<Tdagsoppgjorliste>(owner, [&](QWidget* parent) { return new Tdagsoppgjorliste(workspace, messages, parent); });
    window.reload();
    raiseWindow(window);
    return window;
}

}  // namespace andel
