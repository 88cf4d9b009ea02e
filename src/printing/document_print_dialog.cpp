#include "printing/document_print_dialog.h"

#include "platform/io_error.h"

namespace andel {

DocumentPrintDialog::DocumentPrintDialog(QWidget* parent, Messages* messages, const Wording& wording,
                                         const InchDocument& document)
    : PrintChoiceDialog(parent, messages, wording), document_(document) {
    setObjectName(QStringLiteral("utskriftsvalg"));
}

bool DocumentPrintDialog::writePdf(const QString& file) {
    try {
        writeDocumentPdf(file, document_);
    } catch (const IoError& error) {
        messages().inform(error.what());
        return false;
    }
    return true;
}

bool printThroughChoice(QWidget* parent, const InchDocument& document, const PrintChoiceDialog::Wording& wording,
                        Messages& messages) {
    DocumentPrintDialog dialog(parent, &messages, wording, document);
    dialog.showPrinterName();
    if (dialog.exec() != QDialog::Accepted) return false;
    return printDocument(selectedPrinter(), document, wording.what, messages);
}

}  // namespace andel
