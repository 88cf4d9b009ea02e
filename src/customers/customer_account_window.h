#pragma once
// `Tkundekonto` ("Kundekonto"): one buyer's shares in every ledger that is not voided,
// with price, payment, winnings and payout, and the balance the agent and the customer
// settle at the counter. An unpaid share is paid from the balance here ("Betal fra
// saldo", with a Ja/Nei question), and such a payment undone; both change the ledgers
// under the ledger lock and leave history lines. What a voiding left owed is paid back in
// cash ("Betal tilbake", the amount typed). Opened from the register and from a
// share in the ledger window. What is recorded elsewhere is shown as soon as the books
// are written, and a step asked about is not taken on figures that have changed since.
#include "books/books_rules.h"
#include "customers/customer_account.h"
#include "customers/statement.h"
#include "online/once_messages.h"
#include "platform/messages.h"
#include "platform/workspace.h"
#include "settings/settings_store.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace andel {

class Tkundekonto : public QDialog {
    Q_OBJECT
public:
    Tkundekonto(Workspace workspace, Messages& messages, QWidget* parent = nullptr);

    // Reads the ledgers anew and shows the account of the buyer (name, telephone, player number).
    void showBuyer(const ShareEntry& who);
    const CustomerAccount& account() const { return account_; }

    // Prints the statement ("Kontoutskrift...") for the period typed beside the button
    // (either end may be empty): by default the program's print choice.
    using StatementPrinter = std::function<void(QWidget* parent, const ShareEntry& who, const StatementPeriod& period)>;
    void setStatementPrinter(StatementPrinter printer) { printStatement_ = std::move(printer); }

private:
    // The buyer's account as the books hold it now; a damaged ledger is told to `told`.
    CustomerAccount accountNow(Messages& told) const;
    void reload(Messages& told);
    void render();
    const AccountShare* currentShare() const;
    void payFromBalanceClicked();
    void undoFromBalanceClicked();
    void statementClicked();
    // Pays back in cash what a voiding left owed to the buyer: the amount typed, after a question.
    void refundClicked();
    // Asks the question, then pays or undoes the share from the balance under the ledger lock.
    using BalanceStep = std::string (*)(Journal&, const Clerk&, const std::string&, int);
    void balanceStep(const std::string& question, const AccountShare& share, const BalanceStep& step);

    Workspace workspace_;
    Messages& messages_;
    OnceMessages refreshMessages_{messages_};  // what following the books finds, each once
    ShareEntry who_;
    CustomerAccount account_;
    StatementPrinter printStatement_;

    QLabel* buyer_;
    QTableWidget* table_;
    QLabel* unpaid_;
    QLabel* winningsDue_;
    QLabel* balance_;
    QLabel* refunds_;  // owed back after a voiding
    QPushButton* pay_;
    QPushButton* undo_;
    QPushButton* statement_;
    QPushButton* refund_;
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* asOf_;  // the day the statement's figures stand on; empty: now
};

// Shows the program's one account window (made on first use as a child of `owner`) on the buyer.
Tkundekonto& showCustomerAccount(QWidget* owner, const Workspace& workspace, Messages& messages, const ShareEntry& who);

}  // namespace andel
