#include "customers/day_settlement_dialog.h"

#include "customers/cash_report_window.h"
#include "accounts/guarded_step.h"
#include "books/books_rules.h"
#include "books/journal.h"
#include "books/ledger_edit.h"
#include "model/text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace andel {
namespace {

QLineEdit* digitsField(const QString& name, int width) {
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,13}")), field));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(width);
    return field;
}

std::optional<std::int64_t> wholeKroner(const QLineEdit& field) {
    const std::string text = field.text().trimmed().toStdString();
    if (text.empty()) return 0;
    return parseWholeKroner(text);
}

}  // namespace

Tdagsoppgjor::Tdagsoppgjor(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages) {
    setObjectName(QStringLiteral("Tdagsoppgjor"));
    setWindowTitle(QStringLiteral("Dagsoppgjør"));
    auto* layout = new QVBoxLayout(this);
    expected_ = new QLabel;
    expected_->setObjectName(QStringLiteral("skalvaere"));
    expected_->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(expected_);
    layout->addWidget(new QLabel(QStringLiteral("Tell kassen seddel for seddel, eller skriv summen nederst:")));
    auto* grid = new QGridLayout;
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12;
    int row = 0;
    for (int value : kDenominations) {
        auto* caption = new QLabel(QStringLiteral("kr %1").arg(value));
        QLineEdit* pieces = digitsField(QStringLiteral("antall%1").arg(value), width);
        caption->setBuddy(pieces);
        grid->addWidget(caption, row, 0);
        grid->addWidget(pieces, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("stk")), row, 2);
        pieces_.push_back(pieces);
        connect(pieces, &QLineEdit::textChanged, this, [this] {
            std::int64_t sum = 0;
            bool any = false;
            for (std::size_t i = 0; i < pieces_.size(); ++i) {
                const auto n = wholeKroner(*pieces_[i]);
                any = any || !pieces_[i]->text().trimmed().isEmpty();
                if (n) sum += *n * kDenominations[i];
            }
            // Counted note by note, the sum is the count's; otherwise the agent types it.
            counted_->setReadOnly(any);
            if (any) counted_->setText(QString::fromStdString(formatAmount(sum)));
            renderDifference();
        });
        ++row;
    }
    auto* countedCaption = new QLabel(QStringLiteral("&Talt i alt, kr"));
    counted_ = digitsField(QStringLiteral("talt"), width);
    countedCaption->setBuddy(counted_);
    grid->addWidget(countedCaption, row, 0);
    grid->addWidget(counted_, row, 1);
    ++row;
    grid->addWidget(new QLabel(QStringLiteral("Differanse")), row, 0);
    difference_ = new QLabel;
    difference_->setObjectName(QStringLiteral("differanse"));
    difference_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(difference_, row, 1);
    layout->addLayout(grid);
    auto* reasonCaption = new QLabel(QStringLiteral("&Grunn til differansen:"));
    reason_ = new QLineEdit;
    reason_->setObjectName(QStringLiteral("grunn"));
    reason_->setMaxLength(static_cast<int>(kReasonLength));
    reasonCaption->setBuddy(reason_);
    layout->addWidget(reasonCaption);
    layout->addWidget(reason_);
    auto* buttons = new QHBoxLayout;
    close_ = new QPushButton(QStringLiteral("&Avslutt dagen"));
    close_->setObjectName(QStringLiteral("avsluttdagen"));
    auto* cancel = new QPushButton(QStringLiteral("Avbryt"));
    cancel->setObjectName(QStringLiteral("avbryt"));
    for (QPushButton* b : {close_, cancel}) {
        b->setAutoDefault(false);  // Enter in a field never closes the day
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(counted_, &QLineEdit::textChanged, this, [this] { renderDifference(); });
    connect(close_, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { closeDay(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tdagsoppgjor::reload() {
    Journal journal(workspace_, &messages_);
    open_ = journal.read([&] { return openDaysReport(journal, todayLedgerDate()); });
    const std::string days = open_.from == open_.to ? ledgerDateText(open_.to)
                                                    : ledgerDateText(open_.from) + " – " + ledgerDateText(open_.to);
    expected_->setText(QString::fromStdString("Dagsoppgjør for " + days + ": kassen skal inneholde " + oreText(open_.expectedOre())));
    renderDifference();
}

std::optional<std::int64_t> Tdagsoppgjor::countedKroner() const {
    if (counted_->text().trimmed().isEmpty()) return std::nullopt;
    return wholeKroner(*counted_);
}

void Tdagsoppgjor::renderDifference() {
    const auto counted = countedKroner();
    if (!counted) {
        difference_->setText(counted_->text().trimmed().isEmpty() ? QString() : QStringLiteral("ikke et helt antall kroner"));
        return;
    }
    const std::int64_t difference = *counted * kOrePerKrone - open_.expectedOre();
    difference_->setText(QString::fromStdString(oreText(difference)));
    difference_->setStyleSheet(difference == 0 ? QString() : QStringLiteral("color: #c00000; font-weight: bold;"));
}

void Tdagsoppgjor::closeDay() {
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        if (!wholeKroner(*pieces_[i])) {
            messages_.inform(badAmountMessage(pieces_[i]->text().trimmed().toStdString()));
            pieces_[i]->setFocus();
            return;
        }
    }
    const auto counted = countedKroner();
    if (!counted) {
        messages_.inform(counted_->text().trimmed().isEmpty() ? "Skriv hva som er talt i kassen."
                                                               : badAmountMessage(counted_->text().trimmed().toStdString()));
        counted_->setFocus();
        return;
    }
    std::map<int, std::int64_t> counts;
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
        if (const auto n = wholeKroner(*pieces_[i]); n && *n > 0) counts[kDenominations[i]] = *n;
    }
    Message question{"Avslutte dagen med " + kronerText(*counted) + " talt i kassen?\rDagen kan ikke endres etterpå.",
                     MessageButtons::YesNo};
    question.defaultAnswer = MessageDefault::No;
    if (!messages_.show(question)) return;
    Journal journal(workspace_, &messages_);
    const std::string refused =
        closeDayInBooks(journal, clerkOf(workspace_), *counted, reason_->text().toStdString(), counts, &settled_);
    if (!refused.empty()) {
        messages_.inform(refused);
        reload();  // what stands now, should another program have changed the drawer
        (refused.find("grunn") != std::string::npos ? reason_ : counted_)->setFocus();
        return;
    }
    accept();
}

void settleTheDay(QWidget* owner, const Workspace& workspace, Messages& messages) {
    guardedStep(messages, [&] {
        Tdagsoppgjor dialog(workspace, messages, owner);
        dialog.reload();
        if (dialog.exec() != QDialog::Accepted || dialog.settled() == 0) return;
        showCashReport(owner, workspace, messages, dialog.settled());
    });
}

}  // namespace andel
