#include "customers/owing_window.h"

#include "accounts/guarded_step.h"
#include "books/ledger_edit.h"
#include "books/ledger_store.h"
#include "customers/customer_documents_panel.h"
#include "customers/owing_report.h"
#include "printing/document_print_dialog.h"
#include "widgets/child_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QTableView>
#include <QVBoxLayout>

namespace andel {
namespace {

// The rows as a model: thousands of unpaid shares are shown without an item each.
class OwingModel : public QAbstractTableModel {
public:
    void setRows(std::vector<Fields> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : static_cast<int>(rows_.size()); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : static_cast<int>(heading_.size()); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::DisplayRole) {
            return QString::fromStdString(rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
        }
        if (role == Qt::TextAlignmentRole && index.column() >= 5) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return QString::fromStdString(heading_[static_cast<std::size_t>(section)]);
    }

private:
    Fields heading_ = owingHeading();
    std::vector<Fields> rows_;
};

}  // namespace

Tutestaaende::Tutestaaende(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages), chooseExport_(accountsExportDialog(this)) {
    setObjectName(QStringLiteral("Tutestaaende"));
    setWindowTitle(QStringLiteral("Utestående"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Solgte andeler som ikke er betalt, i andelslag som ikke er annullert:")));
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("utestaende"));
    model_ = new OwingModel;
    model_->setParent(table_);
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    // Widths from the headings and the widest expected texts, not from every row.
    const QFontMetrics metrics(table_->font());
    const char* widest[] = {"Kari Nordmann Hansen", "000-00000", "000 000 000", "Serienummer", "UKE 00 -0000", "Andel", "000.000"};
    for (int c = 0; c < 7; ++c) table_->setColumnWidth(c, metrics.horizontalAdvance(QString::fromUtf8(widest[c])) + 16);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    layout->addWidget(table_);

    auto* bottom = new QHBoxLayout;
    total_ = new QLabel;
    total_->setObjectName(QStringLiteral("sum"));
    QFont bold = total_->font();
    bold.setBold(true);
    total_->setFont(bold);
    auto* exportButton = new QPushButton(QStringLiteral("&Eksporter til regneark..."));
    exportButton->setObjectName(QStringLiteral("eksporter"));
    auto* printButton = new QPushButton(QStringLiteral("&Skriv ut..."));
    printButton->setObjectName(QStringLiteral("skrivut"));
    auto* close = new QPushButton(QStringLiteral("Lukk"));
    close->setObjectName(QStringLiteral("lukk"));
    for (QPushButton* b : {exportButton, printButton, close}) b->setAutoDefault(false);
    bottom->addWidget(total_);
    bottom->addStretch();
    bottom->addWidget(exportButton);
    bottom->addWidget(printButton);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(exportButton, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { exportList(); }); });
    connect(printButton, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { printList(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(760, 420);
}

void Tutestaaende::reload() {
    customers_.clear();
    guardedStep(messages_, [this] {
        LedgerListing listing = listLedgers(workspace_);
        for (const std::string& damaged : listing.damaged) messages_.inform(damaged);
        customers_ = owingCustomers(listing.ledgers);
    });
    static_cast<OwingModel*>(model_)->setRows(owingRows(customers_, AmountStyle::Grouped));
    total_->setText(QString::fromStdString("Sum utestående " + kronerText(owingTotal(customers_)) + " fra " +
                                           std::to_string(customers_.size()) + (customers_.size() == 1 ? " kunde" : " kunder")));
}

void Tutestaaende::exportList() {
    exportAccounts(QStringLiteral("Utestaaende"), chooseExport_,
                   {[this] { return owingCsv(customers_); },
                    [this](const std::filesystem::path& file) { writeOwingWorkbook(file, customers_); }},
                   messages_);
}

void Tutestaaende::printList() {
    const OwingSheet sheet{owingRows(customers_, AmountStyle::Grouped), owingTotal(customers_), customers_.size(),
                           todayLedgerDate()};
    printThroughChoice(this, owingDocument(sheet),
                       {QStringLiteral("Skriver ut utestående"), QStringLiteral("Forhåndsvisning av utestående"),
                        "listen over utestående", QStringLiteral("utestaende.pdf")},
                       messages_);
}

Tutestaaende& showOwingWindow(QWidget* owner, const Workspace& workspace, Messages& messages) {
    Tutestaaende& window =
        childWindow<Tutestaaende>(owner, [&](QWidget* parent) { return new Tutestaaende(workspace, messages, parent); });
    window.reload();
    raiseWindow(window);
    return window;
}

}  // namespace andel
