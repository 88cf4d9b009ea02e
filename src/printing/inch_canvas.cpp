#include "printing/inch_canvas.h"

#include <cmath>
#include <vector>

namespace andel {
namespace {

// The default floating-point rounding mode rounds halves to even.
int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

void dropLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty()) text.pop_back();
    while (!text.empty() && text.back() == ' ') text.pop_back();
}

std::string InchCanvas::fitText(std::string text, int width) const {
    while (!text.empty() && textWidth(text) > width) dropLastCharacter(text);
    return text;
}

std::string InchCanvas::fitTextMiddle(const std::string& text, int width) const {
    if (textWidth(text) <= width) return text;
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t next = i + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
        characters.push_back(text.substr(i, next - i));
        i = next;
    }
    // The beginning says what the line is; it keeps twice as much as the end.
    std::size_t head = characters.size() * 2 / 3, tail = characters.size() - head;
    const auto joined = [&] {
        std::string shortened;
        for (std::size_t i = 0; i < head; ++i) shortened += characters[i];
        shortened += "\u2026";
        for (std::size_t i = characters.size() - tail; i < characters.size(); ++i) shortened += characters[i];
        return shortened;
    };
    std::string shortened = joined();
    while ((head > 0 || tail > 0) && textWidth(shortened) > width) {
        if (head > 2 * tail || tail == 0) --head;
        else --tail;
        shortened = joined();
    }
    return textWidth(shortened) <= width ? shortened : fitText(text, width);
}

void InchCanvas::setup(double unitsPerInch) {
    metrics_ = readMetrics();
    scaleX_ = metrics_.pixelsPerInchX / unitsPerInch;
    scaleY_ = metrics_.pixelsPerInchY / unitsPerInch;
    position_ = {};
}

DevicePoint InchCanvas::toDevice(double x, double y) const {
    return {roundHalfEven(x * scaleX_), roundHalfEven(y * scaleY_)};
}

DeviceRect InchCanvas::deviceRectangle(double x1, double y1, double x2, double y2) const {
    const DevicePoint a = toDevice(x1, y1), b = toDevice(x2, y2);
    return {a.x, a.y, b.x, b.y};
}

void InchCanvas::moveTo(double x, double y) { position_ = toDevice(x, y); }

void InchCanvas::lineTo(double x, double y) {
    const DevicePoint from = position_;
    position_ = toDevice(x, y);
    paintLine(from, position_);
}

void InchCanvas::rectangle(double x1, double y1, double x2, double y2) {
    position_ = toDevice(x1, y1);
    paintRectangle(deviceRectangle(x1, y1, x2, y2));
}

void InchCanvas::text(const std::string& text) { paintText(position_, text); }

void InchCanvas::centredText(const std::string& text) {
    paintText({position_.x - textWidth(text) / 2, position_.y}, text);
}

}  // namespace andel
