#include "printing/slip_output_panel.h"

namespace andel {
namespace {

constexpr double kEndMarginMm = 4.0;

}  // namespace

InchDocument slipDocument(const std::vector<Slip>& slips, const QString& title) {
    InchDocument document{title, slips.size(), [&slips](InchCanvas& canvas, std::size_t page) { drawSlip(canvas, slips[page]); }, {}};
    for (const Slip& slip : slips) {
        document.papers.push_back({kSlipPaperWidthMm, slipHeightInches(slip) * 25.4 + 2 * kEndMarginMm,
                                   (kSlipPaperWidthMm - kSlipPrintedWidthMm) / 2, kEndMarginMm});
    }
    return document;
}

}  // namespace andel
