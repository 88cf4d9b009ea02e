#pragma once
// "Kvitteringsskriver": the receipt printer chosen once and remembered in the settings: a
// printer of the system (its driver takes 80 mm slips), or the address of a receipt printer
// without a driver (network or serial port), which also opens the cash drawer; and a test
// of the drawer.
#include "customers/counter_printer.h"
#include "platform/messages.h"
#include "platform/workspace.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace andel {

class Tkvitteringsskriver : public QDialog {
    Q_OBJECT
public:
    Tkvitteringsskriver(QWidget* parent, Messages& messages);
    void setChoice(const ReceiptPrinterChoice& choice);
    ReceiptPrinterChoice choice() const;

private:
    void accept() override;

    Messages& messages_;
    QComboBox* printer_;
    QLineEdit* raw_;
};

// Shows the dialog with the stored choice and stores what the agent accepts.
void chooseReceiptPrinter(QWidget* parent, const Workspace& workspace, Messages& messages);

}  // namespace andel
