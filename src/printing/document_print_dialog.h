#pragma once
// The print choice for a document laid out through the inch canvas (a statement, the
// receipts): preview, PDF, and on "Start utskrift" the whole document as one print job.
#include "printing/page_output_panel.h"
#include "printing/print_choice_dialog.h"

namespace andel {

class DocumentPrintDialog : public PrintChoiceDialog {
    Q_OBJECT
public:
    // The document must outlive the dialog.
    DocumentPrintDialog(QWidget* parent, Messages* messages, const Wording& wording, const InchDocument& document);

protected:
    void paintPages(QPagedPaintDevice& device) override { paintDocument(device, document_); }
    bool writePdf(const QString& file) override;

private:
    const InchDocument& document_;
};

// Opens the dialog over `parent`; "Start utskrift" prints the document to the selected
// printer. True when it was printed.
bool printThroughChoice(QWidget* parent, const InchDocument& document, const PrintChoiceDialog::Wording& wording,
                        Messages& messages);

}  // namespace andel
