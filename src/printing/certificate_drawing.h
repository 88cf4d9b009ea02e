#pragma once
// Drawing the print jobs of a filled certificate template onto an inch canvas.
#include "printing/certificate_layout.h"
#include "printing/certificate_template.h"
#include "printing/inch_canvas.h"
#include "printing/print_jobs.h"

namespace andel {

// One job, from the setup of the canvas in inches to the system block; the caller begins
// and ends the job (or the page) around it.
void drawPrintJob(InchCanvas& canvas, const CertificateTemplate& page, const PrintJob& job);

// A section's place on the page in layout units: Left follows the margin where the
// section does; a list page moves `seksjon6b` to Top 10.
struct LayoutOrigin {
    int left, top;
};
LayoutOrigin sectionOrigin(Section section, int margin, bool listPage = false);

}  // namespace andel
