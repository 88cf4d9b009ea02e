#pragma once
// A canvas that keeps what is drawn on it instead of painting: the tests read back
// every line, rectangle, text and picture with its pixels, font and colours.
#include "printing/inch_canvas.h"

#include <functional>
#include <string_view>
#include <vector>

namespace andel {

struct CanvasOp {
    enum class Kind { Line, Rectangle, Text, Picture };
    Kind kind = Kind::Line;
    DeviceRect rect;  // a line from (left, top) to (right, bottom); a text's top-left in left, top
    std::string text;  // the text, or the picture's name
    Font font;
    Rgb pen;
    std::optional<Rgb> brush;
};

class RecordingCanvas : public InchCanvas {
public:
    using WidthFunction = std::function<int(const std::string& text, const Font& font)>;

    // A page of A4 at the given resolution; text widths from `width`, or by default half
    // the font's height in pixels per character.
    explicit RecordingCanvas(int pixelsPerInch = 600, WidthFunction width = {});

    int textWidth(const std::string& text) const override;

    const std::vector<CanvasOp>& ops() const { return ops_; }
    // The text operations whose text is exactly `text`, in drawing order.
    std::vector<CanvasOp> texts(std::string_view text) const;
    // The first text operation whose text begins with `prefix`; throws when none does.
    const CanvasOp& firstTextStartingWith(std::string_view prefix) const;
    int setups() const { return setups_; }

protected:
    PrinterMetrics readMetrics() const override;
    void paintLine(DevicePoint from, DevicePoint to) override;
    void paintRectangle(const DeviceRect& rect) override;
    void paintText(DevicePoint topLeft, const std::string& text) override;
    void paintPicture(const DeviceRect& target, const PictureBitmap& picture) override;

private:
    void record(CanvasOp::Kind kind, const DeviceRect& rect, const std::string& text);

    int pixelsPerInch_;
    WidthFunction width_;
    mutable int setups_ = 0;
    std::vector<CanvasOp> ops_;
};

}  // namespace andel
