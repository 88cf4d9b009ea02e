#include "printing/page_output_panel.h"

#include "platform/io_error.h"
#include "printing/painter_canvas_panel.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>

namespace andel {
namespace {

// A PDF page keeps the margin a printer cannot print into, so both look the same.
constexpr double kPdfMarginInch = 0.17;
constexpr int kPdfResolution = 600;

// Why a file could not be written, in the agent's words.
std::string writeFailure(const QFileDevice& file) {
    switch (file.error()) {
        case QFileDevice::PermissionsError: return "Du har ikke skrivetilgang til filen eller mappen.";
        case QFileDevice::ResourceError: return "Det er ikke plass til filen på disken.";
        case QFileDevice::OpenError: return "Mappen finnes ikke, eller filen kan ikke opprettes der.";
        default: return "Filen kunne ikke skrives.";
    }
}

QPageLayout pageLayoutOf(const InchDocument& document, std::size_t page) {
    if (document.papers.empty()) {
        const double margin = kPdfMarginInch * 25.4;
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin),
                           QPageLayout::Millimeter);
    }
    const PaperSize& paper = document.papers[std::min(page, document.papers.size() - 1)];
    return QPageLayout(QPageSize(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait,
                       QMarginsF(paper.sideMarginMm, paper.endMarginMm, paper.sideMarginMm, paper.endMarginMm),
                       QPageLayout::Millimeter);
}

}  // namespace

QPrinter& selectedPrinter() {
    // Lives until the process ends: a printer must not be destroyed after the application.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

bool printsToFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

bool printerReady() {
    const QPrinter& printer = selectedPrinter();
    if (printsToFile(printer)) return true;
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty() &&
           !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString currentPrinterName() {
    const QPrinter& printer = selectedPrinter();
    if (printsToFile(printer)) return QStringLiteral("PDF-fil: ") + QDir::toNativeSeparators(printer.outputFileName());
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()) return printer.printerName();
    const QString standard = QPrinterInfo::defaultPrinterName();
    return standard.isEmpty() ? QStringLiteral("Ingen skriver er installert") : standard;
}

void paintDocument(QPainter& painter, QPagedPaintDevice& device, const InchDocument& document) {
    for (std::size_t page = 0; page < document.pages; ++page) {
        if (page > 0) {
            // A page of its own size is set before it begins.
            if (!document.papers.empty()) device.setPageLayout(pageLayoutOf(document, page));
            device.newPage();
        }
        PainterCanvas canvas(painter);
        document.drawPage(canvas, page);
    }
}

void paintDocument(QPagedPaintDevice& device, const InchDocument& document) {
    QPainter painter(&device);
    paintDocument(painter, device, document);
}

void writeDocumentPdf(const QString& file, const InchDocument& document) {
    const std::string shown = QDir::toNativeSeparators(file).toStdString();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) throw IoError("Kan ikke lagre " + shown + "\r" + writeFailure(out));
    {
        QPdfWriter writer(&out);
        writer.setResolution(kPdfResolution);
        writer.setTitle(document.title);
        writer.setPageLayout(pageLayoutOf(document, 0));
        paintDocument(writer, document);
    }
    if (!out.commit()) throw IoError("Kan ikke lagre " + shown + "\r" + writeFailure(out));
}

bool printDocument(QPrinter& printer, const InchDocument& document, std::string_view what, Messages& messages) {
    // A slip's own paper is the printer's for this job only: the next A4 document finds the
    // layout the agent chose.
    struct KeptLayout {
        QPrinter& printer;
        QPageLayout layout;
        bool restore;
        ~KeptLayout() {
            if (restore) printer.setPageLayout(layout);
        }
    } kept{printer, printer.pageLayout(), !document.papers.empty()};
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!document.papers.empty()) printer.setPageLayout(pageLayoutOf(document, 0));
    printer.setDocName(document.title);
    const bool toFile = printsToFile(printer);
    const std::string file = QDir::toNativeSeparators(printer.outputFileName()).toStdString();
    const std::string refusal = toFile ? "Kan ikke skrive " + std::string(what) + " til\r" + file + ".\rUtskriften er stoppet."
                                       : "Kan ikke skrive ut på " + currentPrinterName().toStdString() + ".\rUtskriften er stoppet.";
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages.inform(refusal);
        return false;
    }
    paintDocument(painter, printer, document);
    if (!painter.end() && toFile) {
        messages.inform(refusal);
        return false;
    }
    if (toFile) messages.inform(capitalised(what) + " er skrevet til\r" + file);
    return true;
}

std::string capitalised(std::string_view what) {
    std::string text(what);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

}  // namespace andel
