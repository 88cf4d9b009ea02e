#include "customers/owing_window.h"

#include "accounts/guarded_step.h"
#include "accounts/ledger_edit.h"
#include "accounts/ledger_store.h"
#include "customers/owing_report.h"
#include "widgets/child_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace andel {

Tutestaaende::Tutestaaende(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages), chooseExport_(accountsExportDialog(this)) {
    setObjectName(QStringLiteral("Tutestaaende"));
    setWindowTitle(QStringLiteral("Utestående"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Solgte andeler som ikke er betalt, i andelslag som ikke er annullert:")));
    const Fields heading = owingHeading();
    table_ = new QTableWidget(0, static_cast<int>(heading.size()));
    table_->setObjectName(QStringLiteral("utestaende"));
    QStringList captions;
    for (const std::string& caption : heading) captions << QString::fromStdString(caption);
    table_->setHorizontalHeaderLabels(captions);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);

    auto* bottom = new QHBoxLayout;
    total_ = new QLabel;
    total_->setObjectName(QStringLiteral("sum"));
    QFont bold = total_->font();
    bold.setBold(true);
    total_->setFont(bold);
    auto* exportButton = new QPushButton(QStringLiteral("&Eksporter til regneark..."));
    exportButton->setObjectName(QStringLiteral("eksporter"));
    auto* close = new QPushButton(QStringLiteral("Lukk"));
    close->setObjectName(QStringLiteral("lukk"));
    for (QPushButton* b : {exportButton, close}) b->setAutoDefault(false);
    bottom->addWidget(total_);
    bottom->addStretch();
    bottom->addWidget(exportButton);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(exportButton, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { exportList(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(720, 420);
}

void Tutestaaende::reload() {
    customers_.clear();
    table_->setRowCount(0);
    guardedStep(messages_, [this] {
        LedgerListing listing = listLedgers(workspace_);
        for (const std::string& damaged : listing.damaged) messages_.inform(damaged);
        customers_ = owingCustomers(listing.ledgers);
    });
    const std::vector<Fields> rows = owingRows(customers_, AmountStyle::Grouped);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][c]));
            if (c + 1 == rows[r].size() || c == 5) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    total_->setText(QString::fromStdString("Sum utestående " + kronerText(owingTotal(customers_)) + " fra " +
                                           std::to_string(customers_.size()) + (customers_.size() == 1 ? " kunde" : " kunder")));
}

void Tutestaaende::exportList() {
    exportAccounts(QStringLiteral("Utestaaende"), chooseExport_,
                   {[this] { return owingCsv(customers_); },
                    [this](const std::filesystem::path& file) { writeOwingWorkbook(file, customers_); }},
                   messages_);
}

Tutestaaende& showOwingWindow(QWidget* owner, const Workspace& workspace, Messages& messages) {
    Tutestaaende& window =
        childWindow<Tutestaaende>(owner, [&](QWidget* parent) { return new Tutestaaende(workspace, messages, parent); });
    window.reload();
    window.show();
    window.raise();
    window.activateWindow();
    return window;
}

}  // namespace andel
