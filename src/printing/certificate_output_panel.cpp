#include "printing/certificate_output_panel.h"

#include "printing/certificate_drawing.h"

#include <QPainter>
#include <QPrinter>

namespace andel {
namespace {

constexpr std::string_view kCertificatesWhat = "andelsbrevene";

// The jobs as one document, a page each; the template and the jobs must outlive it.
InchDocument certificateDocument(const CertificateTemplate& page, const std::vector<PrintJob>& jobs,
                                 const QString& title = QStringLiteral("Andelsbrev")) {
    return {title, jobs.size(), [&page, &jobs](InchCanvas& canvas, std::size_t i) { drawPrintJob(canvas, page, jobs[i]); }};
}

}  // namespace

void paintCertificatePages(QPagedPaintDevice& device, const CertificateTemplate& page,
                           const std::vector<PrintJob>& jobs) {
    paintDocument(device, certificateDocument(page, jobs));
}

bool printCertificateJobs(QPrinter& printer, const CertificateTemplate& page, const std::vector<PrintJob>& jobs,
                          Messages& messages) {
    // Separate jobs would each replace a PDF printer's file: one document holds them all.
    if (printsToFile(printer)) return printDocument(printer, certificateDocument(page, jobs), kCertificatesWhat, messages);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const std::vector<PrintJob> one{jobs[i]};
        if (!printDocument(printer, certificateDocument(page, one, QStringLiteral("Andelsbrev %1").arg(i + 1)),
                           kCertificatesWhat, messages)) {
            return false;
        }
    }
    return true;
}

void writeCertificatesPdf(const QString& file, const CertificateTemplate& page, const std::vector<PrintJob>& jobs) {
    writeDocumentPdf(file, certificateDocument(page, jobs));
}

}  // namespace andel
