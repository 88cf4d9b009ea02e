#pragma once
// `Tutestaaende` ("Utestående"): every sold share not yet paid across the ledgers that
// are not voided, by customer, with telephone and what is missing, the total, the
// export to CSV or an Excel workbook, and the list printed. Read anew each time it is shown.
#include "accounts/accounts_export_dialog.h"
#include "customers/customer_account.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

class QLabel;
class QAbstractTableModel;
class QTableView;

namespace andel {

class Tutestaaende : public QDialog {
    Q_OBJECT
public:
    Tutestaaende(Workspace workspace, Messages& messages, QWidget* parent = nullptr);

    void reload();
    const std::vector<OwingCustomer>& customers() const { return customers_; }
    void setExportChooser(AccountsExportChooser chooser) { chooseExport_ = std::move(chooser); }

private:
    void exportList();
    // Through the program's print choice: preview, printer or PDF.
    void printList();

    Workspace workspace_;
    Messages& messages_;
    std::vector<OwingCustomer> customers_;
    AccountsExportChooser chooseExport_;
    QTableView* table_;
    QAbstractTableModel* model_;
    QLabel* total_;
};

// Shows the program's one list of who owes (made on first use as a child of `owner`).
Tutestaaende& showOwingWindow(QWidget* owner, const Workspace& workspace, Messages& messages);

}  // namespace andel
