#include "customers/cash_report_window.h"

#include "customers/day_report_document_panel.h"
#include "accounts/day_report_text.h"
#include "accounts/guarded_step.h"
#include "books/journal.h"
#include "widgets/child_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace andel {

Tkasserapport::Tkasserapport(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages) {
    setObjectName(QStringLiteral("Tkasserapport"));
    setWindowTitle(QStringLiteral("Kasserapport"));
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel;
    title_->setObjectName(QStringLiteral("tittel"));
    title_->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 13pt;"));
    layout->addWidget(title_);
    lines_ = new QTableWidget(0, 2);
    lines_->setObjectName(QStringLiteral("linjer"));
    lines_->horizontalHeader()->hide();
    lines_->verticalHeader()->hide();
    lines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lines_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lines_->setShowGrid(false);
    lines_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lines_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(lines_);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* a4 = button("skrivut", "Skriv &ut...");
    QPushButton* slip = button("skrivutslipp", "Skriv ut på &kvitteringsskriver...");
    buttons->addStretch();
    QPushButton* close = button("lukk", "&Lukk");
    layout->addLayout(buttons);
    connect(a4, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { print(false); }); });
    connect(slip, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { print(true); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(520, 520);
}

void Tkasserapport::showOpenDays() {
    Journal journal(workspace_, &messages_);
    const LedgerDate today = todayLedgerDate();
    report_ = journal.read([&] { return openDaysReport(journal, today); });
    render();
}

void Tkasserapport::showSettlement(int number) {
    Journal journal(workspace_, &messages_);
    const auto found = journal.read([&]() -> std::optional<DayReport> {
        const auto settled = daySettlement(journal, number);
        if (!settled) return std::nullopt;
        return dayReport(journal, settled->from, settled->day);
    });
    if (!found) throw IoError("Det finnes ikke noe dagsoppgjør nr " + std::to_string(number) + ".");
    report_ = *found;
    render();
}

void Tkasserapport::render() {
    const QString title = QString::fromStdString(dayReportTitle(report_));
    setWindowTitle(title);
    title_->setText(title);
    const std::vector<ReportLine> lines = dayReportLines(report_);
    lines_->setRowCount(static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i);
        auto* text = new QTableWidgetItem(QString::fromStdString(lines[i].text));
        auto* amount = new QTableWidgetItem(QString::fromStdString(lines[i].amount));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont font = lines_->font();
        font.setBold(lines[i].strong);
        text->setFont(font);
        amount->setFont(font);
        lines_->setItem(row, 0, text);
        lines_->setItem(row, 1, amount);
    }
    lines_->resizeRowsToContents();
}

void Tkasserapport::print(bool slip) { printDayReport(this, workspace_, report_, slip, messages_); }

Tkasserapport& showCashReport(QWidget* owner, const Workspace& workspace, Messages& messages, int settlement) {
    Tkasserapport& window =
        childWindow<Tkasserapport>(owner, [&](QWidget* parent) { return new Tkasserapport(workspace, messages, parent); });
    if (settlement) window.showSettlement(settlement);
    else window.showOpenDays();
    raiseWindow(window);
    return window;
}

}  // namespace andel
