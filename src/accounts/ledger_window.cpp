#include "accounts/ledger_window.h"

#include "accounts/accounts_csv.h"
#include "accounts/accounts_export_dialog.h"
#include "accounts/accounts_xlsx.h"
#include "accounts/confirm_result_dialog.h"
#include "accounts/guarded_step.h"
#include "accounts/ledger_difference.h"
#include "books/ledger_edit.h"
#include "books/ledger_store.h"
#include "accounts/sale_deadline.h"
#include "accounts/season_window.h"
#include "accounts/share_table_panel.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "model/text.h"
#include "online/once_messages.h"
#include "platform/file_io.h"
#include "platform/io_error.h"
#include "register/customer_table.h"
#include "register/register_window.h"
#include "widgets/child_window.h"
#include "widgets/file_change_listener.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

#include <memory>
#include <QVBoxLayout>

namespace andel {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string choiceText(const Ledger& ledger) {
    const SyndicateFacts& f = ledger.facts;
    std::string line = f.serialNumber + "   " + weekText(f.week);
    line += "   " + std::string(couponTypeText(f.couponType)) + " " + std::string(timeBasisText(f.timeBasis));
    if (!f.player.empty()) line += "   " + f.player;
    // An open ledger whose sale is closed says so: "Åpen" there read as a sale still open.
    const LedgerState state = ledgerState(ledger);
    return line + "   " + (state == LedgerState::Open && ledger.saleClosed ? std::string("Salget stengt") : std::string(ledgerStateText(state)));
}

std::string roundLine(const RoundWinnings& w) {
    return w.resultSigns + "    12 rette: " + std::to_string(w.right12) + "   11 rette: " + std::to_string(w.right11) +
           "   10 rette: " + std::to_string(w.right10) + "    Premie " + kronerText(w.prize);
}

std::optional<std::string> askReasonByDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("annullergrunn"));
    dialog.setWindowTitle(QStringLiteral("Annuller andelslaget"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Hvorfor annulleres andelslaget? Et annullert andelslag kan ikke "
                                                "endres og telles ikke med i sesongen.")));
    auto* reason = new QLineEdit;
    reason->setObjectName(QStringLiteral("grunn"));
    reason->setMaxLength(static_cast<int>(kReasonLength));
    layout->addWidget(reason);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Annuller andelslaget"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Avbryt"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return reason->text().toStdString();
}

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
    chooseExport_ = accountsExportDialog(this);
    askResult_ = [this](const SyndicateFacts& facts, const HistoryRounds& history,
                        const std::optional<ConfirmedRound>& marked) -> std::optional<ConfirmedResult> {
        Tgodkjennresultat dialog(facts, history, marked, this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.result();
    };
    askReason_ = [this] { return askReasonByDialog(this); };
    build();
    // What another program (or another window) records is shown here without being asked;
    // a file that cannot be read then is told once, not at every write or activation.
    connect(new FileChangeListener(*this, {booksPath(workspace_)}), &FileChangeListener::changed, this,
            [this] { guardedStep(refreshMessages_, [this] { refreshFromBooks(); }); });
    // Ten shares, every column, the result of both halves and the warnings without scrolling.
    int tableWidth = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width() + 80;  // 80: the note
    for (int c = 0; c + 1 < table_->columnCount(); ++c) tableWidth += table_->columnWidth(c);
    resize(std::max(860, tableWidth + layout()->contentsMargins().left() + layout()->contentsMargins().right()), 680);
}

Tandelsregnskap::~Tandelsregnskap() { QObject::disconnect(table_, nullptr, this, nullptr); }

void Tandelsregnskap::build() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Andelslag:")));
    choice_ = new QComboBox;
    choice_->setObjectName(QStringLiteral("regnskapvalg"));
    choice_->setMinimumWidth(520);
    top->addWidget(choice_);
    top->addStretch();
    layout->addLayout(top);

    facts_ = new QLabel;
    facts_->setObjectName(QStringLiteral("andelslagfakta"));
    resultText_ = new QLabel;
    resultText_->setObjectName(QStringLiteral("resultat"));
    warning_ = new QLabel;
    warning_->setObjectName(QStringLiteral("advarsel"));
    warning_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    QFont bold = resultText_->font();
    bold.setBold(true);
    resultText_->setFont(bold);
    for (QLabel* label : {facts_, resultText_, warning_}) label->setWordWrap(true);
    layout->addWidget(facts_);
    layout->addWidget(resultText_);
    // The warnings have their room whether there are any or not: one appearing (a deadline
    // passing while the window is open) never moves the shares under the mouse. More than
    // fit are scrolled to.
    auto* warnings = new QScrollArea;
    warnings->setObjectName(QStringLiteral("advarsler"));
    warnings->setWidget(warning_);
    warnings->setWidgetResizable(true);
    warnings->setFrameShape(QFrame::NoFrame);
    warnings->setFocusPolicy(Qt::NoFocus);
    warnings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    warning_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    warnings->setFixedHeight(2 * warning_->fontMetrics().lineSpacing() + 4);
    layout->addWidget(warnings);

    table_ = new ShareTablePanel;
    layout->addWidget(table_, 1);

    buildButtons(layout);

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
        // Room for the text inside the sunken frame, however tight the window is made.
        value->setMinimumHeight(value->fontMetrics().height() + 2 * value->frameWidth() + 4);
        totals->addWidget(caption, 0, column);
        totals->addWidget(value, 1, column++);
        totals_.emplace_back(field.name, value);
    }
    layout->addLayout(totals);

    layout->addWidget(new QLabel(QStringLiteral("Historikk:")));
    history_ = new QListWidget;
    history_->setObjectName(QStringLiteral("historikk"));
    history_->setMaximumHeight(history_->fontMetrics().height() * 5 + 8);
    // A history line (a confirmed result with both halves' prizes) is longer than the
    // window is wide: wrapped, never cut at the right edge.
    history_->setWordWrap(true);
    history_->setResizeMode(QListView::Adjust);
    history_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(history_);

    auto* bottom = new QHBoxLayout;
    auto* exportButton = new QPushButton(QStringLiteral("&Eksporter til regneark..."));
    exportButton->setObjectName(QStringLiteral("eksporter"));
    auto* season = new QPushButton(QStringLiteral("Ses&ongen..."));
    season->setObjectName(QStringLiteral("sesong"));
    auto* owing = new QPushButton(QStringLiteral("Uteståen&de..."));
    owing->setObjectName(QStringLiteral("hvemskylder"));
    auto* close = new QPushButton(QStringLiteral("&Lukk"));
    close->setObjectName(QStringLiteral("lukk"));
    bottom->addWidget(exportButton);
    bottom->addWidget(season);
    bottom->addWidget(owing);
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int index) { guardedStep(messages_, [&] { choose(index); }); });
    connect(table_, &ShareTablePanel::typed, this, [this](int share, int column, const QString& typed) {
        guardedStep(messages_, [&] { cellTyped(share, column, typed.toStdString()); });
    });
    connect(exportButton, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { exportAccounts(); }); });
    connect(season, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { showSeason(); }); });
    connect(owing, &QPushButton::clicked, this, [this] {
        guardedStep(messages_, [this] {
            if (links_.showOwing) links_.showOwing(this);
        });
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // Return belongs to the cell being typed in: no button of this window is pressed by it.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
}

void Tandelsregnskap::buildButtons(QVBoxLayout* layout) {
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> run;
    } actions[] = {
        {"velgkjoper", "&Velg kjøper fra kundekartoteket...", [this] { pickBuyer(); }},
        {"merkbetalt", "Merk &betalt", [this] { markSelectedPaid(); }},
        {"angrebetalt", "&Angre betaling...", [this] { undo(false); }},
        {"merkutbetalt", "Merk &utbetalt",
         [this] {
             const int share = currentShare();
             change([share](Journal& j, const Clerk& c, const std::string& serial) {
                 return payoutInBooks(j, c, serial, share, std::nullopt, std::nullopt);
             });
         }},
        {"angreutbetalt", "Angre utbe&taling...", [this] { undo(true); }},
        {"godkjennresultat", "&Godkjenn resultat...", [this] { confirmResult(); }},
        {"annuller", "A&nnuller andelslaget...", [this] { voidLedger(); }},
        {"betalfrasaldo", "Betal &fra saldo...", [this] { payFromBalanceClicked(); }},
        {"kundekonto", "&Kundekonto...", [this] { showBuyerAccount(); }},
        {"stengsalg", "&Steng salget...", [this] { closeOrReopenSale(true); }},
        {"apnesalg", "Å&pne salget igjen...", [this] { closeOrReopenSale(false); }},
        {"kvittering", "Kvitte&ring...", [this] {
             // Printed from the books as they stand, not from what the window showed.
             if (!ledger_ || !links_.printReceipts) return;
             if (const auto now = findLedgerById(workspace_, ledger_->id)) links_.printReceipts(this, *now, table_->selectedShares());
         }},
    };
    auto* rows = new QGridLayout;
    int at = 0;
    for (const auto& action : actions) {
        auto* button = new QPushButton(QString::fromUtf8(action.caption));
        button->setObjectName(QString::fromLatin1(action.name));
        connect(button, &QPushButton::clicked, this, [this, run = action.run] {
            guardedStep(messages_, run);
            // The keyboard goes back to the share the button acted on, for the next key.
            table_->setFocus(Qt::OtherFocusReason);
        });
        rows->addWidget(button, at / 5, at % 5);
        ++at;
        changeButtons_.push_back(button);
    }
    layout->addLayout(rows);
}

void Tandelsregnskap::reload(const std::string& serialNumber) {
    const std::string keep = !serialNumber.empty() ? serialNumber : ledger_ ? ledger_->facts.serialNumber : "";
    listed_.clear();
    // Books that cannot be read are named (with their newest backup) and shown empty.
    guardedStep(messages_, [&] { listed_ = listLedgers(workspace_).ledgers; });
    int index = listed_.empty() ? -1 : 0;
    for (int i = 0; i < static_cast<int>(listed_.size()); ++i) {
        if (listed_[i].facts.serialNumber == keep) {
            index = i;
            break;
        }
    }
    {
        const QSignalBlocker quiet(choice_);
        choice_->clear();
        for (const Ledger& ledger : listed_) choice_->addItem(text(choiceText(ledger)));
        choice_->setCurrentIndex(index);
    }
    guardedStep(messages_, [&] { choose(index); });
}

void Tandelsregnskap::refreshFromBooks() {
    if (!isVisible()) return;
    const std::vector<Ledger> now = listLedgers(workspace_).ledgers;
    const auto sameList = [&] {
        if (now.size() != listed_.size()) return false;
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i].id != listed_[i].id) return false;
        }
        return true;
    };
    // A ledger made or gone since: listed anew, on the same syndicate.
    if (!sameList()) {
        reload();
        return;
    }
    listed_ = now;
    for (int i = 0; i < static_cast<int>(listed_.size()); ++i) choice_->setItemText(i, text(choiceText(listed_[static_cast<std::size_t>(i)])));
    if (!ledger_) return;
    // Shown as the books hold it, on the same share and without closing a cell being typed.
    std::optional<Ledger> current = findLedgerById(workspace_, ledger_->id);
    if (!current || *current == *ledger_) return;
    ledger_ = std::move(current);
    result_ = ledgerResult(workspace_, *ledger_);
    render();
}

void Tandelsregnskap::keyPressEvent(QKeyEvent* event) {
    // Escape takes back a cell being typed (its editor sees the key first) and nothing
    // more: the window stays, closed by "Lukk" only, so a second Escape loses nothing.
    if (event->key() == Qt::Key_Escape) {
        table_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Tandelsregnskap::sellingAllowed(int share) {
    const std::string question = lateSaleQuestion(*ledger_, share, mainStore(workspace_, messages_), localNow());
    return question.empty() ||
           messages_.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred, MessageIcon::None, 0, 0, MessageDefault::No});
}

void Tandelsregnskap::choose(int index) {
    ledger_.reset();
    result_ = {};
    // Shown empty first, so a damaged file leaves no other syndicate's rows behind.
    render();
    if (index < 0 || index >= static_cast<int>(listed_.size())) return;
    // Folded anew: the list may be older than the books.
    ledger_ = findLedgerById(workspace_, listed_[static_cast<std::size_t>(index)].id);
    if (!ledger_) return;
    result_ = ledgerResult(workspace_, *ledger_);
    render();
}

void Tandelsregnskap::render() {
    history_->clear();
    for (QPushButton* button : changeButtons_) button->setEnabled(ledger_ && !ledger_->voided);
    // Receipts and the buyer's account come from the customers' side of the program.
    for (QPushButton* button : changeButtons_) {
        if (button->objectName() == QLatin1String("kvittering")) button->setEnabled(ledger_ && links_.printReceipts);
        if (button->objectName() == QLatin1String("kundekonto")) button->setEnabled(ledger_ && links_.showAccount);
    }
    if (!ledger_) {
        facts_->setText(QStringLiteral("Ingen andelsregnskap ennå: regnskapet lages når onlinefilen lages."));
        resultText_->clear();
        warning_->clear();
        warning_->hide();
        table_->showShares({}, false, QStringLiteral("Gevinst"));
        renderTotals();
        return;
    }
    const SyndicateFacts& f = ledger_->facts;
    const SettingsStore settings = mainStore(workspace_, messages_);  // the sale's deadline, read once a render
    facts_->setText(text("Serienummer " + f.serialNumber + "    " + weekText(f.week) + "    " +
                         std::string(couponTypeText(f.couponType)) + " " + std::string(timeBasisText(f.timeBasis)) +
                         "    " + formatAmount(f.rows) + " rekker    Innsats " + kronerText(f.stake) + "    " +
                         std::to_string(f.shares) + " andeler à " + kronerText(f.pricePerShare) +
                         (f.player.empty() ? std::string() : "    Spiller: " + f.player) + saleText(settings)));
    for (QPushButton* button : changeButtons_) {
        if (button->objectName() == QLatin1String("stengsalg")) button->setEnabled(!ledger_->voided && !ledger_->saleClosed);
        if (button->objectName() == QLatin1String("apnesalg")) button->setEnabled(!ledger_->voided && ledger_->saleClosed);
    }
    renderResult(settings);
    renderShares();
    for (const HistoryLine& line : ledger_->history) history_->addItem(text(ledgerDateText(line.on) + "  " + line.text));
    history_->scrollToBottom();
    renderTotals();
}

std::string Tandelsregnskap::saleText(const SettingsStore& settings) const {
    if (ledger_->voided) return {};
    if (ledger_->saleClosed) return "\nSalget stengt " + ledgerDateText(*ledger_->saleClosed);
    const auto deadline = storedSaleDeadline(settings, ledger_->facts.couponType);
    if (!deadline) return "\nSalget er åpent (ingen salgsfrist satt for " + std::string(couponTypeText(ledger_->facts.couponType)) + ")";
    return "\nSalget er åpent.    " + deadlineStatusText(*deadline, ledger_->facts.week, localNow());
}

void Tandelsregnskap::renderResult(const SettingsStore& settings) {
    const LedgerWinnings& w = result_.winnings;
    std::vector<std::string> warnings;
    if (ledger_->voided) {
        warnings.push_back("ANNULLERT " + ledgerDateText(ledger_->voided->on) + ": " + ledger_->voided->reason +
                           ". Regnskapet kan ikke endres og telles ikke med i sesongen.");
    }
    if (!w.known) {
        resultText_->setText(text(std::string(kResultNotReady) + " (tippehistorikken har ikke rundens resultat ennå)"));
    } else {
        const std::string source = w.confirmed ? "Resultat godkjent " + ledgerDateText(ledger_->confirmed->on) + " (endelig)"
                                               : "Resultat fra tippehistorikken (foreløpig, ikke godkjent)";
        std::string line = source + ":\n";
        if (w.both) {
            line += "Fulltid " + roundLine(w.fullTime) + "\nPause " + roundLine(w.halfTime) + "\nSammen ";
        } else {
            line += roundLine(w.fullTime) + "\n";
        }
        line += "Premie " + kronerText(w.prize) + "    Pr andel " + kronerText(w.perShare) + "    Rest " +
                kronerText(w.remainder) + " (ikke fordelt)";
        resultText_->setText(text(line));
    }
    if (result_.historyDiffers) {
        warnings.push_back("Tippehistorikken viser nå et annet resultat eller andre premier: " +
                           historyRoundsText(result_.history) + ". Det godkjente resultatet gjelder til det godkjennes på nytt.");
    }
    if (const LedgerTotals t = ledgerTotals(*ledger_, w); t.overpaid > 0) {
        warnings.push_back("Utbetalt " + kronerText(t.overpaid) + " mer enn premien.");
    }
    for (std::string& late : lateOpenSales({*ledger_}, settings, localNow())) {
        warnings.push_back(std::move(late));
    }
    std::string joined;
    for (const std::string& warning : warnings) joined += (joined.empty() ? "" : "\n") + warning;
    warning_->setText(text(joined));
    warning_->setVisible(!joined.empty());  // no empty line between the result and the shares
}

void Tandelsregnskap::renderShares() {
    const LedgerWinnings& w = result_.winnings;
    std::vector<Fields> rows;
    for (std::size_t i = 0; i < ledger_->entries.size(); ++i) {
        const ShareEntry& entry = ledger_->entries[i];
        Fields fields = shareFields(static_cast<int>(i) + 1, entry, AmountStyle::Grouped);
        const auto part = shareWinnings(entry, w);
        fields.insert(fields.begin() + ShareTablePanel::Winnings,
                      part ? formatAmount(*part) : entry.hasBuyer() ? std::string("-") : std::string());
        fields.push_back(entry.note);
        rows.push_back(std::move(fields));
    }
    // A forecast says so, as the prize's total does.
    const QString heading = w.known && !w.confirmed ? QStringLiteral("Gevinst (foreløpig)") : QStringLiteral("Gevinst");
    table_->showShares(std::move(rows), !ledger_->voided, heading);
}

void Tandelsregnskap::renderTotals() {
    const LedgerWinnings& w = result_.winnings;
    const LedgerTotals t = ledger_ ? ledgerTotals(*ledger_, w) : LedgerTotals{};
    const auto known = [&](std::int64_t amount) { return w.known ? kronerText(amount) : std::string("-"); };
    for (const auto& [name, label] : totals_) {
        const std::string_view key = name;
        std::string value;
        if (key == "solgte") value = std::to_string(t.sold) + " av " + std::to_string(t.shares);
        else if (key == "innbetalt") value = kronerText(t.paid);
        else if (key == "utestaende") value = kronerText(t.outstanding);
        else if (key == "premie") value = known(t.prize) + (w.known && !w.confirmed ? " (foreløpig)" : "");
        else if (key == "utbetalt") value = kronerText(t.paidOut);
        else value = known(t.toPayOut);
        label->setText(text(value));
        label->setStyleSheet(key == "utbetalt" && t.overpaid > 0 ? QStringLiteral("color: #c00000") : QString());
    }
}

int Tandelsregnskap::currentShare() const { return table_->currentShare(); }

void Tandelsregnskap::change(const BooksCommand& command) {
    if (!ledger_) return;
    const std::string serial = ledger_->facts.serialNumber;
    Journal journal(workspace_, &messages_);
    const std::optional<Ledger> now = journal.read([&] { return journal.ledgerById(ledger_->id); });
    if (now && !(*now == *ledger_)) {
        std::string told = "Andelsregnskapet ble endret i et annet program mens det var åpent her:";
        for (const std::string& line : ledgerDifferences(*ledger_, *now)) told += "\r" + line;
        messages_.inform(told + "\rEndringen din ble ikke gjort; regnskapet vises nå slik det står.");
        reload(serial);
        return;
    }
    if (const std::string refused = command(journal, clerkOf(workspace_), serial); !refused.empty()) messages_.inform(refused);
    // Shown as the books hold it now, on the same share: the agent goes on where he was.
    ledger_ = journal.read([&] { return journal.ledgerById(ledger_->id); });
    if (ledger_) {
        result_ = ledgerResult(workspace_, *ledger_);
        if (const int index = choice_->currentIndex(); index >= 0 && index < static_cast<int>(listed_.size())) {
            listed_[static_cast<std::size_t>(index)] = *ledger_;
            choice_->setItemText(index, text(choiceText(*ledger_)));
        }
    }
    render();
}

void Tandelsregnskap::pickBuyer() {
    if (!ledger_ || currentShare() < 1) return;
    const int share = currentShare();
    if (!sellingAllowed(share)) return;
    const std::optional<Tkunderec> customer = pickCustomer_();
    // Back on the share's row, chosen or not: the register belongs to the main window,
    // which would otherwise take the keyboard when it closes.
    activateWindow();
    table_->setFocus(Qt::OtherFocusReason);
    if (!customer) return;
    const ShareEntry buyer = buyerOf(*customer);
    const BuyerChange change_{buyer.name, buyer.telephone, buyer.playerNumber, std::nullopt};
    change([&](Journal& j, const Clerk& c, const std::string& serial) { return setBuyerInBooks(j, c, serial, share, change_); });
}

void Tandelsregnskap::cellTyped(int share, int column, const std::string& typed) {
    if (column == ShareTablePanel::Paid) {
        change([&](Journal& j, const Clerk& c, const std::string& serial) { return payTypedInBooks(j, c, serial, share, typed); });
        return;
    }
    // A buyer typed into an unsold share after the deadline is a sale like any other.
    const bool buyerField = column == ShareTablePanel::Name || column == ShareTablePanel::Telephone ||
                            column == ShareTablePanel::PlayerNumber;
    if (buyerField && ledger_ && !trimBlanks(typed).empty() && !sellingAllowed(share)) {
        render();  // the typed text goes, the share stays unsold
        return;
    }
    BuyerChange edit;
    if (column == ShareTablePanel::Name) edit.name = typed;
    else if (column == ShareTablePanel::Telephone) edit.telephone = typed;
    else if (column == ShareTablePanel::PlayerNumber) edit.playerNumber = typed;
    else if (column == ShareTablePanel::Note) edit.note = typed;
    else return;
    change([&](Journal& j, const Clerk& c, const std::string& serial) { return setBuyerInBooks(j, c, serial, share, edit); });
}

void Tandelsregnskap::markSelectedPaid() {
    if (!ledger_) return;
    const std::vector<int> shares = table_->selectedShares();
    if (shares.empty()) return;
    // The shares that may be paid are; the refusals are told together afterwards.
    std::string refusals;
    change([&](Journal& j, const Clerk& c, const std::string& serial) {
        refusals = paySharesInBooks(j, c, serial, shares);
        return std::string();
    });
    if (refusals.empty()) return;
    messages_.inform(shares.size() > 1 ? "Ikke merket betalt:\r" + refusals : refusals);
}

void Tandelsregnskap::undo(bool payout) {
    if (!ledger_ || currentShare() < 1) return;
    const int share = currentShare();
    const std::string what = payout ? "utbetalingen" : "betalingen";
    // The question names the very payment or payout the undo takes back.
    Journal journal(workspace_, &messages_);
    if (const auto undone = undoableEvent(journal, ledger_->facts.serialNumber, share, payout)) {
        const std::string question = "Angre " + what + " av andel " + std::to_string(share) + " (" +
                                     kronerText(undone->amountOre / kOrePerKrone) + ", " +
                                     ledgerDateText(undone->businessDate) + ")?\rAngringen føres i regnskapets historikk.";
        if (!messages_.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) return;
    }
    const std::string reason = payout ? "Angret utbetaling i andelsregnskapet" : "Angret betaling i andelsregnskapet";
    change([&](Journal& j, const Clerk& c, const std::string& serial) {
        return payout ? undoPayoutInBooks(j, c, serial, share, reason) : undoPaymentInBooks(j, c, serial, share, reason);
    });
}

void Tandelsregnskap::payFromBalanceClicked() {
    if (!ledger_ || currentShare() < 1) return;
    const int share = currentShare();
    const ShareEntry& entry = ledger_->entries[static_cast<std::size_t>(share - 1)];
    const std::string question = "Betale andel " + std::to_string(share) + " (" + kronerText(ledger_->facts.pricePerShare) +
                                 ") fra saldoen til " + (entry.name.empty() ? std::string("kjøperen") : entry.name) +
                                 "?\rGevinst til gode i andre andelslag føres som utbetalt, eldste først.";
    if (!messages_.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) return;
    change([&](Journal& j, const Clerk& c, const std::string& serial) { return payFromBalanceInBooks(j, c, serial, share); });
}

void Tandelsregnskap::showBuyerAccount() {
    if (!ledger_ || currentShare() < 1) return;
    const ShareEntry& entry = ledger_->entries[static_cast<std::size_t>(currentShare() - 1)];
    if (!entry.sold()) {
        messages_.inform("Andel " + std::to_string(currentShare()) + " har ingen kunde: velg en solgt andel for å se kundekontoen.");
        return;
    }
    if (links_.showAccount) links_.showAccount(this, entry);
}

void Tandelsregnskap::closeOrReopenSale(bool close) {
    if (!ledger_) return;
    const std::string question =
        close ? "Stenge salget for serienummer " + ledger_->facts.serialNumber +
                    "?\rAndeler uten kjøper går til kommisjonæren, og ingen ny kjøper tas inn før salget åpnes igjen."
              : "Åpne salget igjen for serienummer " + ledger_->facts.serialNumber +
                    "?\rKommisjonærens andeler uten betaling går tilbake til salg.";
    if (!messages_.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) return;
    change([&](Journal& j, const Clerk& c, const std::string& serial) {
        return close ? closeSaleInBooks(j, c, serial) : reopenSaleInBooks(j, c, serial);
    });
}

void Tandelsregnskap::confirmResult() {
    if (!ledger_) return;
    if (const std::string refused = refuseVoided(*ledger_); !refused.empty()) {
        messages_.inform(refused);
        return;
    }
    // A result confirmed before the round is played is most likely another week's.
    if (const std::string early = earlyResultQuestion(ledger_->facts, clerkOf(workspace_).today); !early.empty()) {
        if (!messages_.show(Message{early, MessageButtons::YesNo, MessagePlacement::Centred, MessageIcon::None, 0, 0, MessageDefault::No})) {
            return;
        }
    }
    std::optional<ConfirmedRound> marked;
    if (markedRound_) {
        const auto round = markedRound_();
        if (round && round->week == ledger_->facts.week && round->couponType == ledger_->facts.couponType) {
            marked = round->round;
        }
    }
    // A final result is offered for correction as it was confirmed; else as the history gives it.
    RoundResults results(workspace_);
    const HistoryRounds offered = ledger_->confirmed
                                      ? HistoryRounds{ledger_->confirmed->fullTime, ledger_->confirmed->halfTime}
                                      : historyRounds(results, ledger_->facts);
    const std::optional<ConfirmedResult> confirmed = askResult_(ledger_->facts, offered, marked);
    if (!confirmed) return;
    // A correction of a final result is asked about first, with what it does to the money.
    std::string reason;
    if (ledger_->confirmed && !(ledger_->confirmed->fullTime == confirmed->fullTime && ledger_->confirmed->halfTime == confirmed->halfTime)) {
        const std::string warning = resultCorrectionWarning(*ledger_, *confirmed);
        const std::string question = "Rette det godkjente resultatet fra " + ledgerDateText(ledger_->confirmed->on) + "?" +
                                     (warning.empty() ? std::string() : "\r" + warning);
        if (!messages_.show(Message{question, MessageButtons::YesNo, MessagePlacement::Centred})) return;
        reason = "Resultatet rettet i andelsregnskapet";
    }
    change([&](Journal& j, const Clerk& c, const std::string& serial) { return confirmInBooks(j, c, serial, *confirmed, reason); });
}

void Tandelsregnskap::voidLedger() {
    if (!ledger_) return;
    if (const std::string refused = refuseVoided(*ledger_); !refused.empty()) {
        messages_.inform(refused);
        return;
    }
    const std::optional<std::string> reason = askReason_();
    if (!reason) return;
    change([&](Journal& j, const Clerk& c, const std::string& serial) { return voidInBooks(j, c, serial, *reason); });
    if (ledger_ && ledger_->voided) putAwayVoidedOnlineFile(workspace_, *ledger_, messages_);
}

void Tandelsregnskap::exportAccounts() {
    if (!ledger_) return;
    const QString suggested = text(pathText(workspace_.root() / ("andelsregnskap_" + ledger_->facts.serialNumber)));
    andel::exportAccounts(suggested, chooseExport_,
                          {[&] { return ledgerCsv(*ledger_, result_); },
                           [&](const std::filesystem::path& file) { writeLedgerWorkbook(file, *ledger_, result_); }},
                          messages_);
}

void Tandelsregnskap::showSeason() {
    Tsesong& season = childWindow<Tsesong>(this, [&](QWidget* owner) { return new Tsesong(workspace_, messages_, owner); });
    season.reload();
    season.show();
    season.raise();
}

void Tandelsregnskap::setCustomerLinks(CustomerLinks links) {
    links_ = std::move(links);
    render();
}

void Tandelsregnskap::showShareAtCounter(const Ledger& ledger, int share, ShareStep next, std::function<void()> done) {
    for (const QMetaObject::Connection& connection : counterStep_) disconnect(connection);
    counterStep_.clear();
    for (QPushButton* button : changeButtons_) button->setDefault(false);
    const auto listedAt = [&] {
        for (std::size_t i = 0; i < listed_.size(); ++i) {
            if (listed_[i].id == ledger.id) return static_cast<int>(i);
        }
        return -1;
    };
    int index = listedAt();
    if (index < 0) {  // the window's first ledger, or one made since the list was read
        reload(ledger.facts.serialNumber);
        index = listedAt();
    }
    if (index >= 0) {  // folded anew: the books may have changed since the window showed it
        {
            const QSignalBlocker quiet(choice_);
            choice_->setCurrentIndex(index);
        }
        guardedStep(messages_, [&] { choose(index); });
    }
    if (!ledger_ || ledger_->id != ledger.id || share < 1 || share > static_cast<int>(ledger_->entries.size())) return;
    listed_[static_cast<std::size_t>(index)] = *ledger_;
    choice_->setItemText(index, text(choiceText(*ledger_)));
    table_->setCurrentCell(share - 1, 0);
    table_->selectRow(share - 1);
    QPushButton* step = next == ShareStep::Pay      ? findChild<QPushButton*>(QStringLiteral("merkbetalt"))
                        : next == ShareStep::PayOut ? findChild<QPushButton*>(QStringLiteral("merkutbetalt"))
                                                    : nullptr;
    if (!step || !step->isEnabled()) {
        table_->setFocus();
        return;
    }
    step->setDefault(true);
    step->setFocus();
    const auto letGo = [this, step] {
        step->setDefault(false);
        for (const QMetaObject::Connection& connection : counterStep_) disconnect(connection);
        counterStep_.clear();
    };
    // The step itself reloads the table; only the agent's choice of another row lets it go.
    const auto stepping = std::make_shared<bool>(false);
    counterStep_.push_back(connect(step, &QPushButton::pressed, this, [stepping] { *stepping = true; }));
    // Connected after the button's own step, so `done` finds it recorded.
    counterStep_.push_back(connect(step, &QPushButton::clicked, this, [letGo, done] {
        letGo();
        if (done) done();
    }));
    counterStep_.push_back(connect(table_, &QTableWidget::currentCellChanged, this, [letGo, share, stepping](int row) {
        if (!*stepping && row != share - 1) letGo();
    }));
}

Tandelsregnskap& raiseLedgerWindow(QWidget* mainWindow, const Workspace& workspace, Messages& messages) {
    Tandelsregnskap& window = childWindow<Tandelsregnskap>(
        mainWindow, [&](QWidget* owner) { return new Tandelsregnskap(workspace, messages, owner); });
    if (mainWindow && !window.isVisible()) window.move(mainWindow->frameGeometry().topLeft() + QPoint(40, 40));
    window.show();
    window.raise();
    window.activateWindow();
    return window;
}

Tandelsregnskap& showLedgerWindow(QWidget* mainWindow, const Workspace& workspace, Messages& messages,
                                  const std::string& serialNumber, std::function<std::optional<MarkedRound>()> marked) {
    Tandelsregnskap& window = childWindow<Tandelsregnskap>(
        mainWindow, [&](QWidget* owner) { return new Tandelsregnskap(workspace, messages, owner); });
    if (marked) window.setMarkedRound(std::move(marked));
    guardedStep(messages, [&] { window.reload(serialNumber); });
    if (mainWindow) window.move(mainWindow->frameGeometry().topLeft() + QPoint(40, 40));
    Tandelsregnskap& raised = raiseLedgerWindow(mainWindow, workspace, messages);
    // The agent's work is on the shares: the keyboard starts there.
    raised.findChild<ShareTablePanel*>()->setFocus(Qt::OtherFocusReason);
    return raised;
}

}  // namespace andel
