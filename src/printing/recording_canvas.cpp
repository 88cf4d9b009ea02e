#include "printing/recording_canvas.h"

#include "model/text.h"

#include <stdexcept>

namespace andel {

RecordingCanvas::RecordingCanvas(int pixelsPerInch, WidthFunction width)
    : pixelsPerInch_(pixelsPerInch), width_(std::move(width)) {}

int RecordingCanvas::textWidth(const std::string& text) const {
    if (width_) return width_(text, font());
    const int perCharacter = font().pointSize * pixelsPerInch_ / 72 / 2;
    return static_cast<int>(text.size()) * perCharacter;
}

PrinterMetrics RecordingCanvas::readMetrics() const {
    ++setups_;
    // A4 (8.27 x 11.69 inch) less a margin of 0.17 inch at each side.
    return {pixelsPerInch_ * 793 / 100, pixelsPerInch_ * 1135 / 100, pixelsPerInch_, pixelsPerInch_};
}

void RecordingCanvas::record(CanvasOp::Kind kind, const DeviceRect& rect, const std::string& text) {
    ops_.push_back(CanvasOp{kind, rect, text, font(), pen(), brush()});
}

void RecordingCanvas::paintLine(DevicePoint from, DevicePoint to) {
    record(CanvasOp::Kind::Line, {from.x, from.y, to.x, to.y}, {});
}

void RecordingCanvas::paintRectangle(const DeviceRect& rect) { record(CanvasOp::Kind::Rectangle, rect, {}); }

void RecordingCanvas::paintText(DevicePoint topLeft, const std::string& text) {
    record(CanvasOp::Kind::Text, {topLeft.x, topLeft.y, topLeft.x + textWidth(text), topLeft.y}, text);
}

void RecordingCanvas::paintPicture(const DeviceRect& target, const PictureBitmap& picture) {
    record(CanvasOp::Kind::Picture, target, picture.name);
}

std::vector<CanvasOp> RecordingCanvas::texts(std::string_view text) const {
    std::vector<CanvasOp> found;
    for (const CanvasOp& op : ops_) {
        if (op.kind == CanvasOp::Kind::Text && op.text == text) found.push_back(op);
    }
    return found;
}

const CanvasOp& RecordingCanvas::firstTextStartingWith(std::string_view prefix) const {
    for (const CanvasOp& op : ops_) {
        if (op.kind == CanvasOp::Kind::Text && startsWith(op.text, prefix)) return op;
    }
    throw std::out_of_range("no text starting with " + std::string(prefix));
}

}  // namespace andel
