#pragma once
// `TForm1` ("Skriver ut andelsbrev"): the printer, the left margin, the mark adjustment
// and "Spar på gulfargen" for the certificates, with a preview of all pages and saving
// them as one PDF before any paper is used.
#include "platform/message_box_dialog.h"
#include "printing/certificate_template.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QPrinter;
class QPushButton;

namespace andel {

class TForm1 : public QDialog {
    Q_OBJECT
public:
    // Paints every page of the certificates with the given choices (preview and PDF).
    using PagePainter = std::function<void(QPagedPaintDevice& device, const PrintChoices& choices)>;
    // Writes the certificates with the given choices into a PDF file; false on failure.
    using PdfWriter = std::function<bool(const QString& file, const PrintChoices& choices)>;
    // The printer set-up; true when a printer was chosen.
    using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // Messages go to message boxes unless a sink is given (tests record them).
    explicit TForm1(QWidget* parent = nullptr, Messages* messages = nullptr);

    void setChoices(const PrintChoices& choices);
    PrintChoices choices() const;
    void setOutput(PagePainter pages, PdfWriter pdf);
    void setPrinterSetup(PrinterSetup setup) { printerSetup_ = std::move(setup); }

    // The current printer's name in `skrivernavn`, asked for under the hourglass.
    void showPrinterName();
    // The printer choice: buttons off and a waiting text under the hourglass while the
    // printer set-up runs, then the chosen printer's name.
    void choosePrinter();
    void showPreview();
    // Asks for a file name unless one is given; true when the PDF was written.
    bool saveAsPdf(QString file = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startPrinting();
    void setButtonsEnabled(bool enabled);

    MessageBoxes messageBoxes_;
    Messages& messages_;
    PagePainter pages_;
    PdfWriter pdf_;
    PrinterSetup printerSetup_;
    QLabel* skrivernavn_;
    QComboBox* venstremarg_;
    QComboBox* finjusterhoyde_;
    QCheckBox* spargulfarge_;
    QPushButton* start_;
    QPushButton* cancel_;
};

}  // namespace andel
