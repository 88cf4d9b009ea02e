#pragma once
// The certificates on paper or in a file: every job of a filled template painted through
// the inch canvas onto a printer, a print preview or a PDF.
#include "platform/messages.h"
#include "printing/certificate_template.h"
#include "printing/page_output_panel.h"
#include "printing/print_jobs.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace andel {

// All jobs on one device, a new page before each job after the first (preview, PDF).
void paintCertificatePages(QPagedPaintDevice& device, const CertificateTemplate& page,
                           const std::vector<PrintJob>& jobs);

// Each job a print job of its own. A PDF printer takes all jobs into its one file, a page
// each, and the agent is told where the file went. A job that cannot begin is reported
// and ends the run.
bool printCertificateJobs(QPrinter& printer, const CertificateTemplate& page, const std::vector<PrintJob>& jobs,
                          Messages& messages);

// One PDF of A4 pages, one page per job in printing order. The file is replaced only
// when it was written whole; IoError otherwise.
void writeCertificatesPdf(const QString& file, const CertificateTemplate& page, const std::vector<PrintJob>& jobs);

}  // namespace andel
