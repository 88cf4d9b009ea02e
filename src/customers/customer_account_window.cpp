#include "customers/customer_account_window.h"

#include "accounts/guarded_step.h"
#include "books/ledger_edit.h"
#include "books/ledger_store.h"
#include "books/books_rules.h"
#include "books/buyer_key.h"
#include "books/journal.h"
#include "customers/customer_print_window.h"
#include "model/text.h"
#include "widgets/child_window.h"
#include "widgets/file_change_listener.h"
#include "widgets/fitting_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <tuple>

namespace andel {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string optionalKroner(const std::optional<std::int64_t>& amount) { return amount ? formatAmount(*amount) : std::string(); }

const char* const kColumns[] = {"Uke", "Serienr", "Kupong", "Andel", "Pris", "Betalt", "Gevinst", "Utbetalt", "Merknad"};

constexpr std::string_view kAccountChangedMeanwhile =
    "Kundekontoen ble endret i et annet vindu eller program mens den var åpen her.\r"
    "Endringen din ble ikke gjort; kontoen vises nå slik den står.";

std::string noteOf(const AccountShare& s) {
    std::string note;
    if (s.paidFromBalance) note = "betalt fra saldo";
    if (s.movedToBalance > 0) note += (note.empty() ? "" : "; ") + kronerText(s.movedToBalance) + " til andre andeler";
    return note;
}

}  // namespace

Tkundekonto::Tkundekonto(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages) {
    setObjectName(QStringLiteral("Tkundekonto"));
    setWindowTitle(QStringLiteral("Kundekonto"));
    auto* layout = new QVBoxLayout(this);
    buyer_ = new QLabel;
    buyer_->setObjectName(QStringLiteral("kunde"));
    QFont bold = buyer_->font();
    bold.setBold(true);
    buyer_->setFont(bold);
    layout->addWidget(buyer_);

    table_ = new QTableWidget(0, static_cast<int>(std::size(kColumns)));
    table_->setObjectName(QStringLiteral("konto"));
    QStringList headings;
    for (const char* heading : kColumns) headings << QString::fromUtf8(heading);
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);

    auto* sums = new QGridLayout;
    const auto sum = [&](const char* name, const char* caption, int column) {
        auto* value = new QLabel;
        value->setObjectName(QString::fromLatin1(name));
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFont(bold);
        value->setMinimumWidth(110);
        sums->addWidget(new QLabel(QString::fromUtf8(caption)), 0, column);
        sums->addWidget(value, 1, column);
        return value;
    };
    unpaid_ = sum("ubetalt", "Ikke betalt", 0);
    winningsDue_ = sum("gevinsttilgode", "Gevinst til gode", 1);
    balance_ = sum("saldo", "Saldo", 2);
    refunds_ = sum("tilbakebetaling", "Skal betales tilbake", 3);
    sums->setColumnStretch(4, 1);
    layout->addLayout(sums);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    pay_ = button("betalfrasaldo", "&Betal fra saldo...");
    undo_ = button("angrefrasaldo", "&Angre betaling fra saldo...");
    statement_ = button("kontoutskrift", "&Kontoutskrift...");
    refund_ = button("betaltilbake", "B&etal tilbake...");
    const auto dateField = [&](const char* name, const char* caption) {
        auto* label = new QLabel(QString::fromUtf8(caption));
        buttons->addWidget(label);
        auto* field = new QLineEdit;
        label->setBuddy(field);
        field->setObjectName(QString::fromLatin1(name));
        field->setPlaceholderText(QStringLiteral("DD.MM.ÅÅÅÅ"));
        field->setMaxLength(10);
        fitFieldToTexts(*field, {field->placeholderText(), QStringLiteral("00.00.0000")});
        buttons->addWidget(field);
        return field;
    };
    from_ = dateField("fradato", "&fra");
    to_ = dateField("tildato", "&til");
    asOf_ = dateField("perdato", "&status per");
    buttons->addStretch();
    QPushButton* close = button("lukk", "&Lukk");
    layout->addLayout(buttons);
    connect(pay_, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { payFromBalanceClicked(); }); });
    connect(undo_, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { undoFromBalanceClicked(); }); });
    connect(statement_, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { statementClicked(); }); });
    connect(refund_, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { refundClicked(); }); });
    printStatement_ = [this](QWidget* parent, const ShareEntry& who, const StatementPeriod& period) {
        printCustomerStatement(parent, workspace_, who, period, messages_);
    };
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(table_, &QTableWidget::currentCellChanged, this, [this] { render(); });
    // What the ledger window or another program records is shown here without being asked.
    // A damaged file is told once, not at every write or activation.
    connect(new FileChangeListener(*this, {booksPath(workspace_)}), &FileChangeListener::changed, this, [this] {
        if (isVisible()) guardedStep(refreshMessages_, [this] { reload(refreshMessages_); });
    });
    resize(820, 380);
}

void Tkundekonto::statementClicked() {
    StatementPeriod period;
    for (auto [field, end] : {std::pair{from_, &period.from}, std::pair{to_, &period.to}, std::pair{asOf_, &period.asOf}}) {
        const std::string typed = field->text().trimmed().toStdString();
        if (typed.empty()) continue;
        *end = parseLedgerDate(typed);
        if (!*end) {
            messages_.inform(badDateMessage(typed));
            field->setFocus();
            return;
        }
    }
    if (period.from && period.to &&
        std::tuple(period.from->year, period.from->month, period.from->day) > std::tuple(period.to->year, period.to->month, period.to->day)) {
        messages_.inform("Fra-datoen " + ledgerDateText(*period.from) + " er etter til-datoen " + ledgerDateText(*period.to) + ".");
        return;
    }
    if (const LedgerDate today = todayLedgerDate(); period.asOf && isoDate(*period.asOf) > isoDate(today)) {
        messages_.inform("Status per " + ledgerDateText(*period.asOf) + " er etter dagens dato, " + ledgerDateText(today) + ".");
        asOf_->setFocus();
        return;
    }
    printStatement_(this, who_, period);
}

void Tkundekonto::showBuyer(const ShareEntry& who) {
    who_ = who;
    account_ = {};  // a new buyer starts on their first unpaid share
    guardedStep(messages_, [this] { reload(messages_); });
}

CustomerAccount Tkundekonto::accountNow(Messages& told) const {
    // Only the customer's own ledgers: the account opens as fast with ten years of books.
    const std::string key = customerKeyOf(who_);
    Journal journal(workspace_, &told);
    return journal.read([&] {
        CustomerAccount account = accountOf(key, journal.ledgersOfCustomer(key));
        account.refundsOwed = customerMoney(journal, key).refundsOwed;
        return account;
    });
}

void Tkundekonto::reload(Messages& told) {
    // The share in hand stays in hand when the account is read anew.
    std::optional<std::pair<std::string, int>> kept;
    if (const AccountShare* share = currentShare()) kept = std::pair{share->serialNumber, share->share};
    account_ = {};
    account_ = accountNow(told);
    const QSignalBlocker quiet(table_);
    table_->setRowCount(static_cast<int>(account_.shares.size()));
    for (std::size_t i = 0; i < account_.shares.size(); ++i) {
        const AccountShare& s = account_.shares[i];
        const std::string cells[] = {weekText(s.week),
                                     s.serialNumber,
                                     std::string(couponTypeText(s.couponType)),
                                     std::to_string(s.share),
                                     formatAmount(s.price),
                                     optionalKroner(s.paid) + (s.paidOn ? "  " + ledgerDateText(*s.paidOn) : std::string()),
                                     optionalKroner(s.winnings),
                                     optionalKroner(s.paidOut) + (s.paidOutOn ? "  " + ledgerDateText(*s.paidOutOn) : std::string()),
                                     noteOf(s)};
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
            auto* item = new QTableWidgetItem(text(cells[c]));
            if (c >= 3 && c <= 7) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(i), c, item);
        }
    }
    // The first unpaid share is the one the customer asks about at the counter.
    int row = account_.shares.empty() ? -1 : 0;
    for (std::size_t i = 0; i < account_.shares.size(); ++i) {
        if (!account_.shares[i].paid) {
            row = static_cast<int>(i);
            break;
        }
    }
    for (std::size_t i = 0; kept && i < account_.shares.size(); ++i) {
        if (account_.shares[i].serialNumber == kept->first && account_.shares[i].share == kept->second) row = static_cast<int>(i);
    }
    table_->setCurrentCell(row, 0);
    render();
}

void Tkundekonto::render() {
    std::string heading = who_.name.empty() ? std::string("(uten navn)") : who_.name;
    if (!who_.telephone.empty()) heading += "    Tlf " + who_.telephone;
    if (!who_.playerNumber.empty()) heading += "    Spillenr " + who_.playerNumber;
    heading += "    " + std::to_string(account_.shares.size()) + " andeler";
    buyer_->setText(text(heading));
    unpaid_->setText(text(kronerText(account_.unpaid)));
    winningsDue_->setText(text(kronerText(account_.winningsDue)));
    balance_->setText(text(kronerText(account_.balance())));
    balance_->setStyleSheet(account_.balance() < 0 ? QStringLiteral("color: #b00000") : QString());
    refunds_->setText(text(kronerText(account_.refundsOwed)));
    const AccountShare* share = currentShare();
    pay_->setEnabled(share && !share->paid);
    refund_->setEnabled(account_.refundsOwed > 0);
    undo_->setEnabled(share && share->paidFromBalance);
}

const AccountShare* Tkundekonto::currentShare() const {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(account_.shares.size())) return nullptr;
    return &account_.shares[static_cast<std::size_t>(row)];
}

void Tkundekonto::payFromBalanceClicked() {
    const AccountShare* share = currentShare();
    if (!share) return;
    balanceStep("Betale andel " + std::to_string(share->share) + " i serienummer " + share->serialNumber + " (" +
                    weekText(share->week) + ", " + kronerText(share->price) + ") fra saldoen, " +
                    kronerText(account_.balance()) + " på saldoen?\rGevinsten føres som brukt, eldste først.",
                *share, [](Journal& j, const Clerk& c, const std::string& serial, int number) {
                    return payFromBalanceInBooks(j, c, serial, number);
                });
}

void Tkundekonto::undoFromBalanceClicked() {
    const AccountShare* share = currentShare();
    if (!share) return;
    balanceStep("Angre betalingen fra saldo av andel " + std::to_string(share->share) + " i serienummer " +
                    share->serialNumber + " (" + kronerText(share->paid.value_or(0)) +
                    ")?\rGevinsten føres tilbake, og angringen føres i historikken.",
                *share, [](Journal& j, const Clerk& c, const std::string& serial, int number) {
                    return undoPaymentInBooks(j, c, serial, number, "Angret betaling fra saldo i Kundekonto");
                });
}

void Tkundekonto::refundClicked() {
    if (account_.refundsOwed <= 0) return;
    // The amount as the agent types it: the whole of what is owed unless changed; a comma,
    // a minus or too many digits are refused with what is wrong, never read as another amount.
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("tilbakebelop"));
    ask.setWindowTitle(QStringLiteral("Betal tilbake"));
    ask.setLabelText(text("Beløp i hele kroner som betales tilbake til " + who_.name + " (til gode " +
                          kronerText(account_.refundsOwed) + "):"));
    ask.setTextValue(text(formatAmount(account_.refundsOwed)));
    ask.setOkButtonText(QStringLiteral("Betal tilbake"));
    ask.setCancelButtonText(QStringLiteral("Avbryt"));
    if (ask.exec() != QDialog::Accepted) return;
    const std::string typed = trimBlanks(ask.textValue().toStdString());
    const std::optional<std::int64_t> amount = parseWholeKroner(typed);
    if (!amount) {
        messages_.inform(badAmountMessage(typed));
        return;
    }
    const std::string question = "Betale tilbake " + kronerText(*amount) + " kontant til " + who_.name + "?";
    if (!messages_.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred, MessageIcon::None, 0, 0,
                                MessageDefault::No})) {
        return;
    }
    if (!(accountNow(messages_) == account_)) {
        messages_.inform(std::string(kAccountChangedMeanwhile));
        reload(messages_);
        return;
    }
    Journal journal(workspace_, &messages_);
    if (const std::string refused = payRefundInBooks(journal, clerkOf(workspace_), customerKeyOf(who_), *amount); !refused.empty()) {
        messages_.inform(refused);
    }
    reload(messages_);
}

void Tkundekonto::balanceStep(const std::string& question, const AccountShare& share, const BalanceStep& step) {
    // Copied first: a reload replaces the share the reference points into.
    const std::string serial = share.serialNumber;
    const int number = share.share;
    if (!messages_.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) return;
    // The question named the figures shown; when the books have changed since, the agent
    // sees them as they now stand before anything is done.
    if (!(accountNow(messages_) == account_)) {
        messages_.inform(std::string(kAccountChangedMeanwhile));
        reload(messages_);
        return;
    }
    Journal journal(workspace_, &messages_);
    if (const std::string refused = step(journal, clerkOf(workspace_), serial, number); !refused.empty()) {
        messages_.inform(refused);
    }
    reload(messages_);
}

Tkundekonto& showCustomerAccount(QWidget* owner, const Workspace& workspace, Messages& messages, const ShareEntry& who) {
    Tkundekonto& window =
        childWindow<Tkundekonto>(owner, [&](QWidget* parent) { return new Tkundekonto(workspace, messages, parent); });
    window.showBuyer(who);
    window.show();
    window.raise();
    window.activateWindow();
    return window;
}

}  // namespace andel
