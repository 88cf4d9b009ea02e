#pragma once
// `TForm1` ("Skriver ut andelsbrev"): the program's print choice for the certificates,
// with the left margin, the mark adjustment and "Spar på gulfargen", and which
// certificates to print ("Andelsbrev nr.", empty for all) with or without the main part.
#include "printing/certificate_template.h"
#include "printing/print_choice_dialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace andel {

class TForm1 : public PrintChoiceDialog {
    Q_OBJECT
public:
    // Paints every page of the certificates with the given choices (preview and PDF).
    using PagePainter = std::function<void(QPagedPaintDevice& device, const PrintChoices& choices)>;
    // Writes the certificates with the given choices into a PDF file; false on failure.
    using PdfWriter = std::function<bool(const QString& file, const PrintChoices& choices)>;

    // Messages go to message boxes unless a sink is given (tests record them).
    explicit TForm1(QWidget* parent = nullptr, Messages* messages = nullptr);

    void setChoices(const PrintChoices& choices);
    PrintChoices choices() const;
    void setOutput(PagePainter pages, PdfWriter pdf);

protected:
    bool canPreview() const override { return static_cast<bool>(pages_); }
    bool canSavePdf() const override { return static_cast<bool>(pdf_); }
    void paintPages(QPagedPaintDevice& device) override { pages_(device, choices()); }
    bool writePdf(const QString& file) override { return pdf_(file, choices()); }

private:
    PagePainter pages_;
    PdfWriter pdf_;
    QComboBox* venstremarg_;
    QComboBox* finjusterhoyde_;
    QCheckBox* spargulfarge_;
    QLineEdit* andelsbrev_;
    QCheckBox* hoveddel_;
};

}  // namespace andel
