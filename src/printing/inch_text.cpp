#include "printing/inch_text.h"

#include <algorithm>

namespace andel {

double textInches(const InchCanvas& canvas, const std::string& text) {
    const int perInch = canvas.pageMetrics().pixelsPerInchX;
    return perInch > 0 ? static_cast<double>(canvas.textWidth(text)) / perInch : 0.0;
}

void textAt(InchCanvas& canvas, double x, double y, const std::string& text) {
    canvas.moveTo(x, y);
    canvas.text(canvas.fitText(text, canvas.pageMetrics().pageWidth - canvas.position().x));
}

void rightTextAt(InchCanvas& canvas, double x, double y, const std::string& text) {
    canvas.moveTo(x - textInches(canvas, text), y);
    canvas.text(text);
}

void centredTextAt(InchCanvas& canvas, double x, double y, const std::string& text) {
    canvas.moveTo(x, y);
    canvas.centredText(text);
}

void ruleAt(InchCanvas& canvas, double x1, double x2, double y) {
    canvas.moveTo(x1, y);
    canvas.lineTo(x2, y);
}

void dashedRuleAt(InchCanvas& canvas, double x1, double x2, double y, double dash) {
    for (double x = x1; x < x2; x += 2 * dash) ruleAt(canvas, x, std::min(x + dash, x2), y);
}

}  // namespace andel
