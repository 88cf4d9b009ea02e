#pragma once
// Texts and rules placed by inches on an inch canvas set up with one unit per inch, for
// the pages laid out in rows and columns (statements, receipts).
#include "printing/inch_canvas.h"

#include <string>

namespace andel {

// Cut at the right edge of the page, so nothing runs off the paper.
void textAt(InchCanvas& canvas, double x, double y, const std::string& text);
// The text's right edge at x.
void rightTextAt(InchCanvas& canvas, double x, double y, const std::string& text);
void centredTextAt(InchCanvas& canvas, double x, double y, const std::string& text);
void ruleAt(InchCanvas& canvas, double x1, double x2, double y);
// A rule of dashes `dash` long with gaps as long: where the paper is cut.
void dashedRuleAt(InchCanvas& canvas, double x1, double x2, double y, double dash);
// The width of a text in the current font, in inches.
double textInches(const InchCanvas& canvas, const std::string& text);

}  // namespace andel
