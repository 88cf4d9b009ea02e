#pragma once
// The program's print choice: the printer (`skrivernavn`, "Velg skriver..."), a preview
// of every page ("Forhåndsvis"), saving the pages as one PDF before any paper is used
// ("Lagre som PDF...") and "Start utskrift", which accepts the dialog when a printer can
// take the job; the caller then prints to `selectedPrinter()`. A dialog of its own kind
// adds its settings between the printer and the buttons and supplies the pages.
#include "platform/message_box_dialog.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPagedPaintDevice;
class QPrinter;
class QPushButton;
class QVBoxLayout;

namespace andel {

class PrintChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // The printer set-up; true when a printer was chosen.
    using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;

    struct Wording {
        QString title;         // the dialog's
        QString previewTitle;  // the preview's
        std::string what;      // the pages in messages, "andelsbrevene"
        QString pdfName;       // the file name the PDF dialog suggests
    };

    // Messages go to message boxes unless a sink is given (tests record them).
    PrintChoiceDialog(QWidget* parent, Messages* messages, Wording wording);

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
    // The dialog's own settings, placed between the printer and the buttons.
    void addSettings(QWidget* settings);
    Messages& messages() { return messages_; }

    // False while there is nothing to preview, or to save.
    virtual bool canPreview() const { return true; }
    virtual bool canSavePdf() const { return true; }
    virtual void paintPages(QPagedPaintDevice& device) = 0;
    // False when the file could not be written (the writer has said why).
    virtual bool writePdf(const QString& file) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startPrinting();
    void setButtonsEnabled(bool enabled);

    MessageBoxes messageBoxes_;
    Messages& messages_;
    Wording wording_;
    PrinterSetup printerSetup_;
    QVBoxLayout* layout_;
    QLabel* skrivernavn_;
    QPushButton* start_;
    QPushButton* cancel_;
};

}  // namespace andel
