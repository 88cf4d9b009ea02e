#include "printing/certificate_output_panel.h"

#include "printing/certificate_drawing.h"
#include "printing/painter_canvas_panel.h"
#include "platform/io_error.h"

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

}  // namespace

QPrinter& selectedPrinter() {
    // Lives until the process ends: a printer must not be destroyed after the application.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

bool printerInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

QString currentPrinterName() {
    const QString chosen = selectedPrinter().printerName();
    if (!chosen.isEmpty()) return chosen;
    const QString standard = QPrinterInfo::defaultPrinterName();
    return standard.isEmpty() ? QStringLiteral("Ingen skriver er installert") : standard;
}

void paintCertificatePages(QPagedPaintDevice& device, const CertificateTemplate& page,
                           const std::vector<PrintJob>& jobs) {
    QPainter painter(&device);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (i > 0) device.newPage();
        drawJob(painter, page, jobs[i]);
    }
}

bool printCertificateJobs(QPrinter& printer, const CertificateTemplate& page, const std::vector<PrintJob>& jobs,
                          Messages& messages) {
    printer.setPageOrientation(QPageLayout::Portrait);
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
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) throw IoError("Kan ikke skrive " + file.toStdString());
    {
        QPdfWriter writer(&out);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QStringLiteral("Andelsbrev"));
        const double margin = kPdfMarginInch * 25.4;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
        paintCertificatePages(writer, page, jobs);
    }
    if (!out.commit()) throw IoError("Kan ikke skrive " + file.toStdString());
}

}  // namespace andel
