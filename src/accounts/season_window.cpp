#include "accounts/season_window.h"

#include "accounts/accounts_csv.h"
#include "accounts/accounts_xlsx.h"
#include "accounts/guarded_step.h"
#include "books/ledger_store.h"
#include "accounts/season_chart_panel.h"
#include "model/text.h"
#include "platform/file_io.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace andel {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

Tsesong::Tsesong(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages) {
    setObjectName(QStringLiteral("Tsesong"));
    setWindowTitle(QStringLiteral("Sesongen"));
    chooseExport_ = accountsExportDialog(this);
    auto* layout = new QVBoxLayout(this);
    chart_ = new SeasonChartPanel;
    layout->addWidget(chart_, 2);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("sesongsum"));
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    layout->addWidget(summary_);

    Fields heading = seasonHeading();
    for (std::string& caption : seasonMoneyHeading()) heading.push_back(std::move(caption));
    table_ = new QTableWidget(0, static_cast<int>(heading.size()));
    table_->setObjectName(QStringLiteral("sesongtabell"));
    QStringList labels;
    for (const std::string& h : heading) labels << text(h);
    table_->setHorizontalHeaderLabels(labels);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Widths from the headings and the widest expected figures: measuring hundreds of rows
    // on every opening would cost more than the rest.
    const QFontMetrics metrics(table_->font());
    const QString widest[] = {QStringLiteral("0000"), QStringLiteral("UKE 00 -0000"), QStringLiteral("MIDTUKE"),
                              QStringLiteral("000.000"), QStringLiteral("000.000")};
    for (int c = 0; c < table_->columnCount(); ++c) {
        const int figure = c < 5 ? metrics.horizontalAdvance(widest[c]) : metrics.horizontalAdvance(QStringLiteral("0.000.000"));
        table_->setColumnWidth(c, std::max(figure, metrics.horizontalAdvance(labels[c])) + 16);
    }
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    buyers_ = new QTableWidget(0, 7);
    buyers_->setObjectName(QStringLiteral("kjopertabell"));
    buyers_->setHorizontalHeaderLabels({QStringLiteral("Kjøper"), QStringLiteral("Telefon"), QStringLiteral("Spillenummer"),
                                        QStringLiteral("Andeler"), QStringLiteral("Betalt"), QStringLiteral("Vunnet"),
                                        QStringLiteral("Utbetalt")});
    buyers_->verticalHeader()->hide();
    buyers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    buyers_->setSelectionBehavior(QAbstractItemView::SelectRows);
    buyers_->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    buyers_->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("Kari Nordmann Hansen")) + 16);
    for (int c = 1; c < buyers_->columnCount(); ++c) buyers_->setColumnWidth(c, metrics.horizontalAdvance(QStringLiteral("000 000 000")) + 24);
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("sesongfaner"));
    tabs->addTab(table_, QStringLiteral("Pr runde"));
    tabs->addTab(buyers_, QStringLiteral("Pr kjøper"));
    layout->addWidget(tabs, 3);

    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton(QStringLiteral("Eksporter til regneark..."));
    exportButton->setObjectName(QStringLiteral("eksporter"));
    auto* close = new QPushButton(QStringLiteral("Lukk"));
    close->setObjectName(QStringLiteral("lukk"));
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(exportButton, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { exportAccounts(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // Return in the table presses no button (it would open the save dialog).
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
    resize(900, 600);
}

void Tsesong::reload() {
    LedgerListing listing = listLedgers(workspace_);
    RoundResults results(workspace_);
    season_ = seasonOf(listing.ledgers, [&](const Ledger& ledger) { return ledgerResult(results, ledger).winnings; });
    buyerSeason_ = customerSeasonOf(listing.ledgers);
    render();
}

void Tsesong::render() {
    std::vector<Fields> rows;
    for (const SeasonRow& row : season_.rows) {
        rows.push_back(seasonFields(row, AmountStyle::Grouped));
        for (std::string& field : seasonMoneyFields(row, AmountStyle::Grouped)) rows.back().push_back(std::move(field));
    }
    rows.push_back(seasonTotalFields(season_.totals, AmountStyle::Grouped));
    rows.back().pop_back();  // "open N": the summary line says it
    for (std::string& field : seasonMoneyTotalFields(season_.totals, AmountStyle::Grouped)) {
        rows.back().push_back(std::move(field));
    }
    table_->setRowCount(static_cast<int>(rows.size()));
    QFont bold = table_->font();
    bold.setBold(true);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            auto* item = new QTableWidgetItem(text(rows[r][c]));
            if (c >= 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r + 1 == static_cast<int>(rows.size())) item->setFont(bold);
            table_->setItem(r, c, item);
        }
    }
    const SeasonTotals& t = season_.totals;
    std::string summary = std::to_string(season_.rows.size()) + " andelslag    Innsats kr " + formatAmount(t.stake) +
                          "    Premie kr " + formatAmount(t.prize);
    if (t.settled > 0) {
        summary += "    Tilbakebetalt " + paidBackText(t.settledPrize, t.settledStake) + " %    Resultat kr " +
                   formatAmount(t.settledPrize - t.settledStake);
    }
    if (t.open > 0) summary += "    (" + std::to_string(t.open) + " uten godkjent resultat, ikke regnet med)";
    const CustomerSeason& b = buyerSeason_;
    summary += "\n" + std::to_string(b.buyers) + (b.buyers == 1 ? " kjøper" : " ulike kjøpere");
    if (b.biggestPrize > 0) {
        summary += "    Største godkjente premie kr " + formatAmount(b.biggestPrize) + " (serienummer " + b.biggestPrizeSerial +
                   ", " + weekText(b.biggestPrizeWeek) + ")";
    }
    summary_->setText(text(summary));
    buyers_->setRowCount(static_cast<int>(b.customers.size()));
    for (int r = 0; r < buyers_->rowCount(); ++r) {
        const CustomerSeasonRow& c = b.customers[static_cast<std::size_t>(r)];
        const std::string cells[] = {c.name, c.telephone, c.playerNumber, std::to_string(c.shares),
                                     formatAmount(c.paid), formatAmount(c.won), formatAmount(c.paidOut)};
        for (int col = 0; col < 7; ++col) {
            auto* item = new QTableWidgetItem(text(cells[col]));
            if (col >= 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            buyers_->setItem(r, col, item);
        }
    }
    chart_->setSeason(&season_);
}

void Tsesong::exportAccounts() {
    andel::exportAccounts(text(pathText(workspace_.root() / "sesongen")), chooseExport_,
                          {[&] { return seasonCsv(season_); },
                           [&](const std::filesystem::path& file) { writeSeasonWorkbook(file, season_); }},
                          messages_);
}

}  // namespace andel
