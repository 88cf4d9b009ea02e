#include "printing/certificate_print_dialog.h"

#include "printing/certificate_output_panel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
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

TForm1::TForm1(QWidget* parent, Messages* messages)
    : QDialog(parent), messageBoxes_(this), messages_(messages ? *messages : messageBoxes_),
      printerSetup_(runPrintDialog) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Skriver ut andelsbrev"));

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

    auto* settingsGroup = named(new QGroupBox(QStringLiteral("Div innstillinger"), this), "GroupBox2");
    venstremarg_ = named(new QComboBox(settingsGroup), "venstremarg");
    for (int margin = 0; margin <= kMaxMargin; ++margin) venstremarg_->addItem(QStringLiteral("%1").arg(margin, 2, 10, QLatin1Char('0')));
    finjusterhoyde_ = named(new QComboBox(settingsGroup), "finjusterhoyde");
    finjusterhoyde_->addItems({QStringLiteral("0"), QStringLiteral("1+")});
    spargulfarge_ = named(new QCheckBox(QStringLiteral("Spar på gulfargen   "), settingsGroup), "spargulfarge");
    auto* settingsGrid = new QGridLayout(settingsGroup);
    settingsGrid->addWidget(new QLabel(QStringLiteral("Venstre marg :"), settingsGroup), 0, 0);
    settingsGrid->addWidget(venstremarg_, 0, 1);
    settingsGrid->addWidget(new QLabel(QStringLiteral("Juster tippetegn"), settingsGroup), 1, 0);
    settingsGrid->addWidget(finjusterhoyde_, 1, 1);
    settingsGrid->addWidget(spargulfarge_, 2, 0, 1, 2);

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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerGroup);
    layout->addWidget(settingsGroup);
    layout->addLayout(buttons);

    connect(arrow, &QToolButton::clicked, this, &TForm1::choosePrinter);
    connect(choose, &QPushButton::clicked, this, &TForm1::choosePrinter);
    connect(preview, &QPushButton::clicked, this, &TForm1::showPreview);
    connect(pdf, &QPushButton::clicked, this, [this] { saveAsPdf(); });
    connect(start_, &QPushButton::clicked, this, &TForm1::startPrinting);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm1::setChoices(const PrintChoices& choices) {
    venstremarg_->setCurrentIndex(std::clamp(choices.margin, 0, kMaxMargin));
    finjusterhoyde_->setCurrentIndex(choices.markAdjustment == 1 ? 1 : 0);
    spargulfarge_->setChecked(choices.saveYellow);
}

PrintChoices TForm1::choices() const {
    return {venstremarg_->currentIndex(), finjusterhoyde_->currentIndex(), spargulfarge_->isChecked()};
}

void TForm1::setOutput(PagePainter pages, PdfWriter pdf) {
    pages_ = std::move(pages);
    pdf_ = std::move(pdf);
}

void TForm1::showPrinterName() {
    const WaitCursor hourglass;
    skrivernavn_->setText(currentPrinterName());
}

void TForm1::setButtonsEnabled(bool enabled) {
    start_->setEnabled(enabled);
    cancel_->setEnabled(enabled);
}

void TForm1::choosePrinter() {
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

void TForm1::showPreview() {
    if (!pages_) return;
    QPrintPreviewDialog preview(&selectedPrinter(), this);
    preview.setWindowTitle(QStringLiteral("Forhåndsvisning av andelsbrevene"));
    const PrintChoices chosen = choices();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, chosen](QPrinter* printer) { pages_(*printer, chosen); });
    // Printing from the preview is "Start utskrift": the same printer, choices and jobs,
    // not a second print dialog of Qt's own.
    bool print = false;
    if (QAction* printAction = previewPrintAction(preview)) {
        disconnect(printAction, nullptr, &preview, nullptr);
        connect(printAction, &QAction::triggered, &preview, [&] {
            print = true;
            preview.accept();
        });
    }
    preview.exec();
    if (print) startPrinting();
}

bool TForm1::saveAsPdf(QString file) {
    if (!pdf_) return false;
    if (file.isEmpty()) {
        file = QFileDialog::getSaveFileName(this, QStringLiteral("Lagre andelsbrevene som PDF"),
                                            QStringLiteral("andelsbrev.pdf"), QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty()) return false;
    }
    if (!pdf_(file, choices())) return false;  // the writer has told why
    const QString shown = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    messages_.inform("Andelsbrevene er lagret i\r" + shown.toStdString());
    return true;
}

void TForm1::startPrinting() {
    if (!printerReady()) {
        messages_.inform("Ingen skriver er installert.\rVelg \"Skriv ut til fil (PDF)\" under \"Velg skriver...\",\r"
                         "eller bruk \"Lagre som PDF...\" og skriv ut filen senere.");
        return;
    }
    accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == skrivernavn_ && event->type() == QEvent::MouseButtonRelease && start_->isEnabled()) {
        choosePrinter();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace andel
