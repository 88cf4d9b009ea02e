#pragma once
// Slips through the program's one print path: each slip a page 80 mm wide and as long as
// its content (72 mm printed), for the receipt printer chosen in the settings
// ("Kvitteringsskriver"), the print choice's printer or a PDF.
#include "printing/page_output_panel.h"
#include "printing/slip.h"

#include <vector>

namespace andel {

// The slips must outlive the document.
InchDocument slipDocument(const std::vector<Slip>& slips, const QString& title);

}  // namespace andel
