#include "customers/cash_movement_dialog.h"

#include "accounts/guarded_step.h"
#include "books/books_rules.h"
#include "books/cash_day.h"
#include "books/journal.h"
#include "customers/counter_printer.h"
#include "settings/settings_store.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace andel {

Tinnskuddeuttak::Tinnskuddeuttak(Workspace workspace, Messages& messages, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)), messages_(messages) {
    setObjectName(QStringLiteral("Tinnskuddeuttak"));
    setWindowTitle(QStringLiteral("Innskudd / uttak"));
    auto* layout = new QVBoxLayout(this);
    auto* kinds = new QHBoxLayout;
    deposit_ = new QRadioButton(QStringLiteral("&Innskudd i kassen"));
    deposit_->setObjectName(QStringLiteral("innskudd"));
    auto* withdrawal = new QRadioButton(QStringLiteral("&Uttak fra kassen"));
    withdrawal->setObjectName(QStringLiteral("uttak"));
    deposit_->setChecked(true);
    kinds->addWidget(deposit_);
    kinds->addWidget(withdrawal);
    layout->addLayout(kinds);
    auto* form = new QFormLayout;
    amount_ = new QLineEdit;
    amount_->setObjectName(QStringLiteral("belop"));
    amount_->setMaxLength(13);
    note_ = new QLineEdit;
    note_->setObjectName(QStringLiteral("merknad"));
    note_->setMaxLength(static_cast<int>(kNoteLength));
    note_->setPlaceholderText(QStringLiteral("f.eks. vekselkasse, til banken"));
    form->addRow(QStringLiteral("&Beløp, kr"), amount_);
    form->addRow(QStringLiteral("&Merknad"), note_);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&Registrer"));
    ok->setObjectName(QStringLiteral("registrer"));
    auto* cancel = new QPushButton(QStringLiteral("Avbryt"));
    cancel->setObjectName(QStringLiteral("avbryt"));
    for (QPushButton* b : {ok, cancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { guardedStep(messages_, [this] { record(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    amount_->setFocus();
}

void Tinnskuddeuttak::record() {
    const std::string typed = amount_->text().trimmed().toStdString();
    const auto kroner = parseWholeKroner(typed);
    if (!kroner || *kroner < 1) {
        messages_.inform(typed.empty() ? "Skriv beløpet i hele kroner." : badAmountMessage(typed));
        amount_->setFocus();
        return;
    }
    Journal journal(workspace_, &messages_);
    const Clerk clerk = clerkOf(workspace_);
    const std::string note = note_->text().toStdString();
    const std::string refused = deposit_->isChecked() ? depositInBooks(journal, clerk, *kroner, note)
                                                      : withdrawInBooks(journal, clerk, *kroner, note);
    if (!refused.empty()) {
        messages_.inform(refused);  // what was typed stays, to be put right
        (refused.find("merknad") != std::string::npos ? note_ : amount_)->setFocus();
        return;
    }
    accept();
}

void openDrawerByHand(QWidget* owner, const Workspace& workspace, Messages& messages) {
    guardedStep(messages, [&] {
        bool ok = false;
        const QString note = QInputDialog::getText(owner, QStringLiteral("Åpne kasseskuffen"),
                                                   QStringLiteral("Hvorfor åpnes kassen (f.eks. veksling)?"), QLineEdit::Normal,
                                                   QString(), &ok);
        if (!ok) return;
        const std::string why = cleanFieldText(note.toStdString());
        if (why.empty()) {
            messages.inform("Skriv hvorfor kassen åpnes: åpningen føres med merknaden.");
            return;
        }
        if (const std::string failed = openCashDrawer(mainStore(workspace, messages)); !failed.empty()) {
            messages.inform(failed);
            return;
        }
        Journal journal(workspace, &messages);
        if (const std::string refused = drawerOpenedInBooks(journal, clerkOf(workspace), why); !refused.empty()) messages.inform(refused);
    });
}

bool moveCash(QWidget* owner, const Workspace& workspace, Messages& messages) {
    bool recorded = false;
    guardedStep(messages, [&] {
        Tinnskuddeuttak dialog(workspace, messages, owner);
        recorded = dialog.exec() == QDialog::Accepted;
    });
    return recorded;
}

}  // namespace andel
