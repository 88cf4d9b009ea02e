#pragma once
// The printing layer: lines, rectangles, texts and pictures placed by inches on the page
// of the current print job. The inch arithmetic lives here; a device (the Qt painter
// on a printer or PDF writer, or the recording canvas of the tests) supplies the pixels.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace andel {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kYellow{255, 255, 0};
inline constexpr Rgb kLightGrey{240, 240, 240}, kPaleYellow{255, 255, 160};

struct Font {
    std::string family = "Arial";
    int pointSize = 10;
    bool bold = false;
    Rgb colour = kBlack;
    friend bool operator==(const Font&, const Font&) = default;
};

struct PrinterMetrics {
    int pageWidth = 0, pageHeight = 0;  // printable area in pixels
    int pixelsPerInchX = 0, pixelsPerInchY = 0;
};

struct DevicePoint {
    int x = 0, y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

struct DeviceRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// A bitmap of 0xAARRGGBB pixels, row by row. Fully transparent pixels leave the page as
// it is, so artwork can sit over a label without hiding it.
struct PictureBitmap {
    std::string name;
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

// Removes the last whole character (UTF-8) and the blanks before it.
void dropLastCharacter(std::string& text);

class InchCanvas {
public:
    virtual ~InchCanvas() = default;

    // Reads the metrics of the page and sets the scale to pixels per inch divided by
    // `unitsPerInch`; the current position becomes (0, 0). Call after each job begins.
    void setup(double unitsPerInch);
    const PrinterMetrics& pageMetrics() const { return metrics_; }

    // Rounded to the nearest pixel, halves to even.
    DevicePoint toDevice(double x, double y) const;
    DeviceRect deviceRectangle(double x1, double y1, double x2, double y2) const;

    void moveTo(double x, double y);
    void lineTo(double x, double y);
    // Outlined with the pen, filled with the brush (unless the brush is clear); the
    // current position becomes the first corner.
    void rectangle(double x1, double y1, double x2, double y2);
    // Top-left corner at the current position, on the brush colour unless it is clear.
    void text(const std::string& text);
    // Top edge at the current y, middle at the current x (half the width truncated).
    void centredText(const std::string& text);
    // The picture stretched to the device rectangle.
    void drawPicture(const DeviceRect& target, const PictureBitmap& picture) { paintPicture(target, picture); }

    DevicePoint position() const { return position_; }

    void setFont(const Font& font) { font_ = font; }
    const Font& font() const { return font_; }
    void setPen(Rgb colour) { pen_ = colour; }
    Rgb pen() const { return pen_; }
    void setBrush(Rgb colour) { brush_ = colour; }
    void setClearBrush() { brush_.reset(); }
    const std::optional<Rgb>& brush() const { return brush_; }

    // The width in pixels of a text in the current font.
    virtual int textWidth(const std::string& text) const = 0;
    // The text cut after its last whole character that fits in `width` pixels in the
    // current font, so nothing is cut mid-letter by what lies beyond.
    std::string fitText(std::string text, int width) const;
    // The text shortened in the middle at whole characters, with "…" in the gap, so that a
    // long file name keeps its beginning and its end (date, time and ".NTF").
    std::string fitTextMiddle(const std::string& text, int width) const;

protected:
    virtual PrinterMetrics readMetrics() const = 0;
    virtual void paintLine(DevicePoint from, DevicePoint to) = 0;
    virtual void paintRectangle(const DeviceRect& rect) = 0;
    virtual void paintText(DevicePoint topLeft, const std::string& text) = 0;
    virtual void paintPicture(const DeviceRect& target, const PictureBitmap& picture) = 0;

private:
    PrinterMetrics metrics_;
    double scaleX_ = 1.0, scaleY_ = 1.0;
    DevicePoint position_;
    Font font_;
    Rgb pen_ = kBlack;
    std::optional<Rgb> brush_ = kWhite;
};

}  // namespace andel
