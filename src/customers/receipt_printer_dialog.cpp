#include "customers/receipt_printer_dialog.h"

#include "accounts/guarded_step.h"
#include "settings/settings_store.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace andel {

Tkvitteringsskriver::Tkvitteringsskriver(QWidget* parent, Messages& messages) : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("Tkvitteringsskriver"));
    setWindowTitle(QStringLiteral("Kvitteringsskriver"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kvitteringer og utbetalinger skrives på slipp 80 mm brede.\n"
                                                "Uten kvitteringsskriver skrives kvitteringene på A4, som kontoutskrifter og andelsbrev.")));
    auto* form = new QFormLayout;
    printer_ = new QComboBox;
    printer_->setObjectName(QStringLiteral("skriver"));
    printer_->addItem(QStringLiteral("(ingen)"));
    printer_->addItems(QPrinterInfo::availablePrinterNames());
    form->addRow(QStringLiteral("Skriver med driver:"), printer_);
    raw_ = new QLineEdit;
    raw_->setObjectName(QStringLiteral("raaskriver"));
    raw_->setPlaceholderText(QStringLiteral("192.168.1.50, kasse:9100 eller COM3"));
    raw_->setMaxLength(255);
    form->addRow(QStringLiteral("Uten driver (ESC/POS):"), raw_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("En skriver uten driver går foran, og åpner kasseskuffen ved kontant betaling.")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
    auto* drawer = buttons->addButton(QStringLiteral("Prøv kasseskuffen"), QDialogButtonBox::ActionRole);
    drawer->setObjectName(QStringLiteral("provkasseskuff"));
    connect(buttons, &QDialogButtonBox::accepted, this, &Tkvitteringsskriver::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(drawer, &QPushButton::clicked, this, [this] {
        guardedStep(messages_, [this] {
            const std::string address = raw_->text().trimmed().toStdString();
            const std::string failed = openCashDrawer(address);
            messages_.inform(failed.empty() ? "Kasseskuffen fikk signal om å åpne seg." : failed);
        });
    });
    layout->addWidget(buttons);
}

void Tkvitteringsskriver::setChoice(const ReceiptPrinterChoice& choice) {
    const int at = printer_->findText(QString::fromStdString(choice.systemPrinter));
    if (at < 0 && !choice.systemPrinter.empty()) {
        printer_->addItem(QString::fromStdString(choice.systemPrinter) + QStringLiteral(" (ikke funnet)"),
                          QString::fromStdString(choice.systemPrinter));
        printer_->setCurrentIndex(printer_->count() - 1);
    } else {
        printer_->setCurrentIndex(std::max(at, 0));
    }
    raw_->setText(QString::fromStdString(choice.rawAddress));
}

ReceiptPrinterChoice Tkvitteringsskriver::choice() const {
    ReceiptPrinterChoice chosen;
    if (printer_->currentIndex() > 0) {
        const QVariant stored = printer_->currentData();
        chosen.systemPrinter = (stored.isValid() ? stored.toString() : printer_->currentText()).toStdString();
    }
    chosen.rawAddress = raw_->text().trimmed().toStdString();
    return chosen;
}

void Tkvitteringsskriver::accept() {
    if (const std::string problem = rawAddressProblem(choice().rawAddress); !problem.empty()) {
        messages_.inform(problem);
        raw_->setFocus();
        return;
    }
    QDialog::accept();
}

void chooseReceiptPrinter(QWidget* parent, const Workspace& workspace, Messages& messages) {
    guardedStep(messages, [&] {
        SettingsStore settings = mainStore(workspace, messages);
        const ReceiptPrinterChoice stored = readReceiptPrinter(settings);
        Tkvitteringsskriver dialog(parent, messages);
        dialog.setChoice(stored);
        if (dialog.exec() != QDialog::Accepted || dialog.choice() == stored) return;
        storeReceiptPrinter(settings, dialog.choice());
    });
}

}  // namespace andel
