#include "printing/certificate_output_panel.h"

#include "printing/certificate_drawing.h"
#include "printing/painter_canvas_panel.h"
#include "platform/io_error.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace andel {
namespace {

// A PDF page keeps the margin a printer cannot print into, so both look the same.
constexpr double kPdfMarginInch = 0.17;
constexpr int kPdfResolution = 600;

void drawJob(QPainter& painter, const CertificateTemplate& page, const PrintJob& job) {
    PainterCanvas canvas(painter);
    drawPrintJob(canvas, page, job);
}

void paintPages(QPainter& painter, QPagedPaintDevice& device, const CertificateTemplate& page,
                const std::vector<PrintJob>& jobs) {
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (i > 0) device.newPage();
        drawJob(painter, page, jobs[i]);
    }
}

// Why a file could not be written, in the agent's words.
std::string writeFailure(const QFileDevice& file) {
    switch (file.error()) {
        case QFileDevice::PermissionsError: return "Du har ikke skrivetilgang til filen eller mappen.";
        case QFileDevice::ResourceError: return "Det er ikke plass til filen på disken.";
        case QFileDevice::OpenError: return "Mappen finnes ikke, eller filen kan ikke opprettes der.";
        default: return "Filen kunne ikke skrives.";
    }
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

void paintCertificatePages(QPagedPaintDevice& device, const CertificateTemplate& page,
                           const std::vector<PrintJob>& jobs) {
    QPainter painter(&device);
    paintPages(painter, device, page, jobs);
}

bool printCertificateJobs(QPrinter& printer, const CertificateTemplate& page, const std::vector<PrintJob>& jobs,
                          Messages& messages) {
    printer.setPageOrientation(QPageLayout::Portrait);
    if (printsToFile(printer)) {
        // Separate jobs would each replace the file: one document holds them all.
        const std::string file = QDir::toNativeSeparators(printer.outputFileName()).toStdString();
        printer.setDocName(QStringLiteral("Andelsbrev"));
        QPainter painter;
        if (!painter.begin(&printer)) {
            messages.inform("Kan ikke skrive andelsbrevene til\r" + file + ".\rUtskriften er stoppet.");
            return false;
        }
        paintPages(painter, printer, page, jobs);
        if (!painter.end()) {
            messages.inform("Kan ikke skrive andelsbrevene til\r" + file + ".\rUtskriften er stoppet.");
            return false;
        }
        messages.inform("Andelsbrevene er skrevet til\r" + file);
        return true;
    }
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        printer.setDocName(QStringLiteral("Andelsbrev %1").arg(i + 1));
        QPainter painter;
        if (!painter.begin(&printer)) {
            messages.inform("Kan ikke skrive ut på " + currentPrinterName().toStdString() + ".\rUtskriften er stoppet.");
            return false;
        }
        drawJob(painter, page, jobs[i]);
        painter.end();
    }
    return true;
}

void writeCertificatesPdf(const QString& file, const CertificateTemplate& page, const std::vector<PrintJob>& jobs) {
    const std::string shown = QDir::toNativeSeparators(file).toStdString();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) throw IoError("Kan ikke lagre " + shown + "\r" + writeFailure(out));
    {
        QPdfWriter writer(&out);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QStringLiteral("Andelsbrev"));
        const double margin = kPdfMarginInch * 25.4;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
        paintCertificatePages(writer, page, jobs);
    }
    if (!out.commit()) throw IoError("Kan ikke lagre " + shown + "\r" + writeFailure(out));
}

}  // namespace andel
