#pragma once
// The full system on the certificate, in inches: the match list, the stem, the stem
// kinds and the nine coupons, each a column block of a header row, twelve match rows in
// four groups of three and a footer row.
#include "printing/certificate_template.h"
#include "printing/inch_canvas.h"

#include <string>
#include <vector>

namespace andel {

inline constexpr double kSystemBlockTop = 0.155 * 33;
inline constexpr double kMarkColumnWidth = 0.17;
inline constexpr double kMatchColumnWidth = 1.53;

// The left edge of the first block: it moves with the margin in steps of 0.1 inch.
double systemBlockLeft(int margin);

struct ColumnBlock {
    std::string caption;  // above the block
    std::string header;
    std::vector<double> columns;  // widths
    std::array<std::string, kMatches> cells;  // per match the texts of its columns run together
    bool marks = false;  // cells are marks, one character per column, in bold
    std::string footer;
};

// Draws the block with its header at (x, y); returns its right edge.
double drawColumnBlock(InchCanvas& canvas, const ColumnBlock& block, double x, double y, const Rgb& blockColour,
                       const Rgb& cellColour, double markAdjustment);

void drawSystemBlock(InchCanvas& canvas, const CertificateTemplate& page);

}  // namespace andel
