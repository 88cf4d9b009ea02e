#include "printing/print_choice_dialog.h"

#include "printing/page_output_panel.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace andel {
namespace {

const QString kWaitingForPrinters = QStringLiteral("  Vent ser etter skrivere....");

// Qt's print dialog as a printer choice: its accept button chooses, it does not print.
bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Velg skriver"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("&Velg"));
    }
    return dialog.exec() == QDialog::Accepted;
}

// The preview's own print button: its action, found by the text Qt gives it.
QAction* previewPrintAction(QPrintPreviewDialog& preview) {
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// The hourglass for the life of a scope.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

PrintChoiceDialog::PrintChoiceDialog(QWidget* parent, Messages* messages, Wording wording)
    : QDialog(parent), messageBoxes_(this), messages_(messages ? *messages : messageBoxes_),
      wording_(std::move(wording)), printerSetup_(runPrintDialog) {
    setWindowTitle(wording_.title);

    auto* printerGroup = named(new QGroupBox(QStringLiteral("Skriver ut på:"), this), "GroupBox1");
    skrivernavn_ = named(new QLabel(printerGroup), "skrivernavn");
    skrivernavn_->setFrameShape(QFrame::Panel);
    skrivernavn_->setFrameShadow(QFrame::Sunken);
    skrivernavn_->setMinimumWidth(260);
    skrivernavn_->setCursor(Qt::PointingHandCursor);
    skrivernavn_->installEventFilter(this);
    auto* arrow = named(new QToolButton(printerGroup), "skriverpil");
    arrow->setArrowType(Qt::DownArrow);
    auto* choose = named(new QPushButton(QStringLiteral("Velg skriver..."), printerGroup), "velgskriver");
    auto* printerRow = new QHBoxLayout(printerGroup);
    printerRow->addWidget(skrivernavn_, 1);
    printerRow->addWidget(arrow);
    printerRow->addWidget(choose);

    auto* preview = named(new QPushButton(QStringLiteral("Forhåndsvis"), this), "forhandsvis");
    auto* pdf = named(new QPushButton(QStringLiteral("Lagre som PDF..."), this), "lagresompdf");
    start_ = named(new QPushButton(QStringLiteral("Start utskrift"), this), "startutskrift");
    cancel_ = named(new QPushButton(QStringLiteral("&Avbryt"), this), "avbryt");
    start_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);

    layout_ = new QVBoxLayout(this);
    layout_->addWidget(printerGroup);
    layout_->addLayout(buttons);

    connect(arrow, &QToolButton::clicked, this, &PrintChoiceDialog::choosePrinter);
    connect(choose, &QPushButton::clicked, this, &PrintChoiceDialog::choosePrinter);
    connect(preview, &QPushButton::clicked, this, &PrintChoiceDialog::showPreview);
    connect(pdf, &QPushButton::clicked, this, [this] { saveAsPdf(); });
    connect(start_, &QPushButton::clicked, this, &PrintChoiceDialog::startPrinting);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintChoiceDialog::addSettings(QWidget* settings) { layout_->insertWidget(layout_->count() - 1, settings); }

void PrintChoiceDialog::showPrinterName() {
    const WaitCursor hourglass;
    skrivernavn_->setText(currentPrinterName());
}

void PrintChoiceDialog::setButtonsEnabled(bool enabled) {
    start_->setEnabled(enabled);
    cancel_->setEnabled(enabled);
}

void PrintChoiceDialog::choosePrinter() {
    {
        const WaitCursor hourglass;
        setButtonsEnabled(false);
        skrivernavn_->setText(kWaitingForPrinters);
        skrivernavn_->repaint();
        printerSetup_(selectedPrinter(), this);
        repaint();
        skrivernavn_->setText(currentPrinterName());
    }
    setButtonsEnabled(true);
}

void PrintChoiceDialog::showPreview() {
    if (!canPreview()) return;
    QPrintPreviewDialog preview(&selectedPrinter(), this);
    preview.setWindowTitle(wording_.previewTitle);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { paintPages(*printer); });
    // Printing from the preview is "Start utskrift": the same printer and pages, not a
    // second print dialog of Qt's own.
    bool print = false;
    if (QAction* printAction = previewPrintAction(preview)) {
        disconnect(printAction, nullptr, &preview, nullptr);
        connect(printAction, &QAction::triggered, &preview, [&] {
            print = true;
            preview.accept();
        });
    }
    // A page must be readable at once: the window takes most of the screen and the page
    // its whole width, not the whole page shrunk into a small window.
    if (const QScreen* screen = preview.screen()) {
        const QRect area = screen->availableGeometry();
        preview.resize(area.width() * 4 / 5, area.height() * 9 / 10);
    }
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) pages->fitToWidth();
    preview.exec();
    if (print) startPrinting();
}

bool PrintChoiceDialog::saveAsPdf(QString file) {
    if (!canSavePdf()) return false;
    if (file.isEmpty()) {
        file = QFileDialog::getSaveFileName(this, QString::fromStdString("Lagre " + wording_.what + " som PDF"),
                                            wording_.pdfName, QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty()) return false;
    }
    if (!writePdf(file)) return false;  // the writer has told why
    const QString shown = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    messages_.inform(capitalised(wording_.what) + " er lagret i\r" + shown.toStdString());
    return true;
}

void PrintChoiceDialog::startPrinting() {
    if (!printerReady()) {
        messages_.inform("Ingen skriver er installert.\rVelg \"Skriv ut til fil (PDF)\" under \"Velg skriver...\",\r"
                         "eller bruk \"Lagre som PDF...\" og skriv ut filen senere.");
        return;
    }
    accept();
}

bool PrintChoiceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == skrivernavn_ && event->type() == QEvent::MouseButtonRelease && start_->isEnabled()) {
        choosePrinter();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace andel
