#include "accounts/ledger_window.h"

#include "accounts/accounts_csv.h"
#include "accounts/ledger_edit.h"
#include "accounts/guarded_step.h"
#include "accounts/ledger_store.h"
#include "accounts/season_window.h"
#include "model/text.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "register/customer_table.h"
#include "register/register_window.h"
#include "widgets/child_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace andel {
namespace {

// Table columns: the fields of `ledger show` and the note. Name, telephone, player number
// and note are typed in place; amounts and dates come from the buttons.
enum Column { Share, Name, Telephone, PlayerNumber, Paid, PaidOn, PaidOut, PaidOutOn, Note, ColumnCount };
constexpr bool editable(int column) {
    return column == Name || column == Telephone || column == PlayerNumber || column == Note;
}

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string choiceText(const LedgerFile& file) { return file.serialNumber + "   " + weekText(file.week); }

std::string kroner(std::int64_t amount) { return "kr " + formatAmount(amount); }


}  // namespace

Tandelsregnskap::Tandelsregnskap(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages) {
    setObjectName(QStringLiteral("Tandelsregnskap"));
    setWindowTitle(QStringLiteral("Andelsregnskap"));
    pickCustomer_ = [this]() -> std::optional<Tkunderec> {
        Tkundekartotek& reg = childWindow<Tkundekartotek>(parentWidget() ? parentWidget() : this, [&](QWidget* owner) {
            return new Tkundekartotek(workspace_, messages_, owner);
        });
        reg.placeForChoosing(*this);
        if (reg.exec() != QDialog::Accepted || !reg.currentCustomer()) return std::nullopt;
        return rowToRecord(reg.customerRegister().table, reg.customerRegister().cursorRow);
    };
    chooseCsv_ = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Eksporter til regneark"), suggested,
                                            QStringLiteral("Regneark (*.csv)"));
    };
    build();
    resize(760, 520);
}

void Tandelsregnskap::build() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Andelslag:")));
    choice_ = new QComboBox;
    choice_->setObjectName(QStringLiteral("regnskapvalg"));
    choice_->setMinimumWidth(280);
    top->addWidget(choice_);
    top->addStretch();
    layout->addLayout(top);

    facts_ = new QLabel;
    facts_->setObjectName(QStringLiteral("andelslagfakta"));
    result_ = new QLabel;
    result_->setObjectName(QStringLiteral("resultat"));
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    facts_->setWordWrap(true);
    result_->setWordWrap(true);
    layout->addWidget(facts_);
    layout->addWidget(result_);

    table_ = new QTableWidget(0, ColumnCount);
    table_->setObjectName(QStringLiteral("andeler"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Andel"), QStringLiteral("Navn"), QStringLiteral("Telefon"),
                                       QStringLiteral("Spillenummer"), QStringLiteral("Betalt"), QStringLiteral("Dato"),
                                       QStringLiteral("Utbetalt"), QStringLiteral("Dato"), QStringLiteral("Merknad")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setStretchLastSection(true);
    const int widths[ColumnCount] = {44, 150, 84, 100, 64, 76, 64, 76, 80};
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    for (int c = 0; c < ColumnCount; ++c) table_->setColumnWidth(c, widths[c]);
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> run;
    } actions[] = {
        {"velgkjoper", "Velg kjøper fra kundekartoteket...", [this] { pickBuyer(); }},
        {"merkbetalt", "Merk betalt", [this] { change([this](Ledger& l) { return markPaid(l, currentShare(), {}, {}); }); }},
        {"angrebetalt", "Angre betalt", [this] { change([this](Ledger& l) { return clearPaid(l, currentShare()); }); }},
        {"merkutbetalt", "Merk utbetalt",
         [this] { change([this](Ledger& l) { return markPaidOut(l, currentShare(), winnings_, {}, {}); }); }},
        {"angreutbetalt", "Angre utbetalt",
         [this] { change([this](Ledger& l) { return clearPaidOut(l, currentShare()); }); }},
    };
    for (const auto& action : actions) {
        auto* button = new QPushButton(QString::fromUtf8(action.caption));
        button->setObjectName(QString::fromLatin1(action.name));
        connect(button, &QPushButton::clicked, this, [this, run = action.run] { guardedStep(messages_, run); });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* totals = new QGridLayout;
    const struct {
        const char* name;
        const char* caption;
    } totalFields[] = {{"solgte", "Solgte andeler"}, {"innbetalt", "Betalt"},      {"utestaende", "Utestående"},
                       {"premie", "Premie"},         {"utbetalt", "Utbetalt"},     {"tilutbetaling", "Igjen å betale ut"}};
    int column = 0;
    for (const auto& field : totalFields) {
        auto* caption = new QLabel(QString::fromUtf8(field.caption));
        auto* value = new QLabel;
        value->setObjectName(QString::fromLatin1(field.name));
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFont(bold);
        totals->addWidget(caption, 0, column);
        totals->addWidget(value, 1, column++);
        totals_.emplace_back(field.name, value);
    }
    layout->addLayout(totals);

    auto* bottom = new QHBoxLayout;
    auto* exportButton = new QPushButton(QStringLiteral("Eksporter til regneark..."));
    exportButton->setObjectName(QStringLiteral("eksporter"));
    auto* season = new QPushButton(QStringLiteral("Sesongen..."));
    season->setObjectName(QStringLiteral("sesong"));
    auto* close = new QPushButton(QStringLiteral("Lukk"));
    close->setObjectName(QStringLiteral("lukk"));
    bottom->addWidget(exportButton);
    bottom->addWidget(season);
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int index) { guardedStep(messages_, [&] { choose(index); }); });
    connect(table_, &QTableWidget::cellChanged, this,
            [this](int row, int column) { guardedStep(messages_, [&] { cellEdited(row, column); }); });
    connect(exportButton, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { exportCsv(); }); });
    connect(season, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { showSeason(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void Tandelsregnskap::reload(const std::string& serialNumber) {
    const std::string keep = !serialNumber.empty() ? serialNumber : ledger_ ? ledger_->facts.serialNumber : "";
    listed_ = ledgerFilesNewestFirst(workspace_);
    int index = listed_.empty() ? -1 : 0;
    for (int i = 0; i < static_cast<int>(listed_.size()); ++i) {
        if (listed_[i].serialNumber == keep) {
            index = i;
            break;
        }
    }
    {
        const QSignalBlocker quiet(choice_);
        choice_->clear();
        for (const LedgerFile& file : listed_) choice_->addItem(text(choiceText(file)));
        choice_->setCurrentIndex(index);
    }
    guardedStep(messages_, [&] { choose(index); });
}

void Tandelsregnskap::choose(int index) {
    ledger_.reset();
    winnings_ = {};
    // Shown empty first, so a damaged file leaves no other syndicate's rows behind.
    render();
    if (index < 0 || index >= static_cast<int>(listed_.size())) return;
    ledger_ = loadLedger(listed_[static_cast<std::size_t>(index)].path);
    winnings_ = fetchLedgerWinnings(workspace_, ledger_->facts);
    render();
}

void Tandelsregnskap::render() {
    const QSignalBlocker quiet(table_);
    const int keepRow = table_->currentRow();
    table_->setRowCount(0);
    if (!ledger_) {
        facts_->setText(QStringLiteral("Ingen andelsregnskap ennå: regnskapet lages når onlinefilen lages."));
        result_->clear();
        renderTotals();
        return;
    }
    const SyndicateFacts& f = ledger_->facts;
    facts_->setText(text("Serienummer " + f.serialNumber + "    " + weekText(f.week) + "    " +
                         std::string(couponTypeText(f.couponType)) + " " + std::string(timeBasisText(f.timeBasis)) +
                         "    " + formatAmount(f.rows) + " rekker    Innsats " + kroner(f.stake) + "    " +
                         std::to_string(f.shares) + " andeler à " + kroner(f.pricePerShare)));
    if (winnings_.known) {
        result_->setText(text("Resultat " + winnings_.resultSigns + "    12 rette: " + std::to_string(winnings_.right12) +
                              "   11 rette: " + std::to_string(winnings_.right11) + "   10 rette: " +
                              std::to_string(winnings_.right10) + "    Premie " + kroner(winnings_.prize) +
                              "    Pr andel " + kroner(winnings_.perShare) + "    Rest " + kroner(winnings_.remainder) +
                              " (ikke fordelt)"));
    } else {
        result_->setText(QString::fromUtf8(kResultNotReady.data(), static_cast<int>(kResultNotReady.size())));
    }
    table_->setRowCount(static_cast<int>(ledger_->entries.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const ShareEntry& entry = ledger_->entries[static_cast<std::size_t>(row)];
        Fields fields = shareFields(row + 1, entry, AmountStyle::Grouped);
        fields.push_back(entry.note);
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(text(fields[static_cast<std::size_t>(column)]));
            if (!editable(column)) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (column == Share || column == Paid || column == PaidOut) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    if (table_->rowCount() > 0) table_->setCurrentCell(std::clamp(keepRow, 0, table_->rowCount() - 1), Name);
    renderTotals();
}

void Tandelsregnskap::renderTotals() {
    const LedgerTotals t = ledger_ ? ledgerTotals(*ledger_, winnings_) : LedgerTotals{};
    const auto known = [&](std::int64_t amount) { return winnings_.known ? kroner(amount) : std::string("-"); };
    for (const auto& [name, label] : totals_) {
        const std::string_view key = name;
        std::string value;
        if (key == "solgte") value = std::to_string(t.sold) + " av " + std::to_string(t.shares);
        else if (key == "innbetalt") value = kroner(t.paid);
        else if (key == "utestaende") value = kroner(t.outstanding);
        else if (key == "premie") value = known(t.prize);
        else if (key == "utbetalt") value = kroner(t.paidOut);
        else value = known(t.toPayOut);
        label->setText(text(value));
    }
}

int Tandelsregnskap::currentShare() const { return table_->currentRow() + 1; }

void Tandelsregnskap::change(const std::function<std::string(Ledger&)>& step) {
    if (!ledger_) return;
    Ledger changed = *ledger_;
    if (const std::string refused = step(changed); !refused.empty()) {
        messages_.inform(refused);
        render();
        return;
    }
    if (changed == *ledger_) return;
    saveLedger(workspace_, changed);
    ledger_ = std::move(changed);
    render();
}

void Tandelsregnskap::pickBuyer() {
    if (!ledger_ || currentShare() < 1) return;
    const std::optional<Tkunderec> customer = pickCustomer_();
    if (!customer) return;
    const ShareEntry buyer = buyerOf(*customer);
    change([&](Ledger& l) {
        return setBuyer(l, currentShare(), {buyer.name, buyer.telephone, buyer.playerNumber, std::nullopt});
    });
}

void Tandelsregnskap::cellEdited(int row, int column) {
    const std::optional<std::string> typed = table_->item(row, column)->text().toStdString();
    BuyerChange edit;
    if (column == Name) edit.name = typed;
    else if (column == Telephone) edit.telephone = typed;
    else if (column == PlayerNumber) edit.playerNumber = typed;
    else if (column == Note) edit.note = typed;
    else return;
    change([&](Ledger& l) { return setBuyer(l, row + 1, edit); });
}

void Tandelsregnskap::exportCsv() {
    if (!ledger_) return;
    const QString suggested = text(pathText(workspace_.root() / ("andelsregnskap_" + ledger_->facts.serialNumber + ".csv")));
    const QString file = chooseCsv_(suggested);
    if (file.isEmpty()) return;
    replaceFile(std::filesystem::path(file.toStdU16String()), ledgerCsv(*ledger_));
}

void Tandelsregnskap::showSeason() {
    Tsesong& season = childWindow<Tsesong>(this, [&](QWidget* owner) { return new Tsesong(workspace_, messages_, owner); });
    season.reload();
    season.show();
    season.raise();
}

void showLedgerWindow(QWidget* mainWindow, const Workspace& workspace, Messages& messages, const std::string& serialNumber) {
    Tandelsregnskap& window = childWindow<Tandelsregnskap>(
        mainWindow, [&](QWidget* owner) { return new Tandelsregnskap(workspace, messages, owner); });
    guardedStep(messages, [&] { window.reload(serialNumber); });
    if (mainWindow) window.move(mainWindow->frameGeometry().topLeft() + QPoint(40, 40));
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace andel
