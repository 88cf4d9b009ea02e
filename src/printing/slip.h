#pragma once
// A slip for the receipt printer: paper 80 mm wide, 72 mm of it printed, as long as its
// content. A slip is a list of lines (a heading, texts, caption-and-value fields, a total,
// rules, a QR code) laid out in a fixed number of monospaced columns, so the same rows
// print through the program's print path (slipDocument, any printer or a PDF) and as raw
// bytes to a receipt printer without a driver (printing/escpos).
#include "printing/inch_canvas.h"

#include <string>
#include <vector>

namespace andel {

inline constexpr double kSlipPaperWidthMm = 80.0, kSlipPrintedWidthMm = 72.0;
// Characters across the printed width: a receipt printer's standard font prints 42 on 72 mm
// when set to it; the PDF's monospaced font is chosen to fit as many.
inline constexpr int kSlipColumns = 42;

struct SlipLine {
    enum class Kind { Heading, Text, Field, Total, Rule, Space, Qr };
    Kind kind = Kind::Text;
    std::string left;   // the text, the caption, or the QR code's content
    std::string right;  // a field's or total's value, right-aligned; the text under a QR code
    friend bool operator==(const SlipLine&, const SlipLine&) = default;
};

class Slip {
public:
    Slip& heading(std::string text);                        // bold and centred
    Slip& text(std::string text);                           // wrapped at blanks across the width
    Slip& field(std::string caption, std::string value);    // the value at the right edge
    Slip& total(std::string caption, std::string amount);   // bold, under a rule
    Slip& rule();
    Slip& space();
    Slip& qr(std::string content, std::string caption);     // centred, the caption under it
    const std::vector<SlipLine>& lines() const { return lines_; }

private:
    std::vector<SlipLine> lines_;
};

// One printed row of a slip: its kind (Text rows also hold fields; Heading and Total are
// bold), the text padded to its columns, and a QR row's content.
struct SlipRow {
    SlipLine::Kind kind = SlipLine::Kind::Text;
    std::string text;
    std::string qr;
    friend bool operator==(const SlipRow&, const SlipRow&) = default;
};

// The slip's rows: texts wrapped, fields and totals spread to kSlipColumns (a value that
// does not fit goes to a row of its own), every row cut at whole characters.
std::vector<SlipRow> slipRows(const Slip& slip);

// The number of characters of a UTF-8 text.
std::size_t characterCount(const std::string& text);

// The printed height in inches, from the first row's top to the last row's foot.
double slipHeightInches(const Slip& slip);

// The slip drawn from the canvas's top-left printed corner, set up by this call at one unit
// per inch; the page (80 mm by its height) is the caller's.
void drawSlip(InchCanvas& canvas, const Slip& slip);

}  // namespace andel
