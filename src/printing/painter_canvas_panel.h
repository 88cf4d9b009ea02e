#pragma once
// The inch canvas over a Qt painter: a printer, a PDF writer or a print preview page.
// Pictures are taken to live as long as the program (the certificate's artwork does):
// each is turned into an image once and reused, so a PDF holds it once.
#include "printing/inch_canvas.h"

class QPainter;

namespace andel {

class PainterCanvas : public InchCanvas {
public:
    // The painter must be active on its device for as long as the canvas draws.
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    int textWidth(const std::string& text) const override;

protected:
    PrinterMetrics readMetrics() const override;
    void paintLine(DevicePoint from, DevicePoint to) override;
    void paintRectangle(const DeviceRect& rect) override;
    void paintText(DevicePoint topLeft, const std::string& text) override;
    void paintPicture(const DeviceRect& target, const PictureBitmap& picture) override;

private:
    void applyFont() const;

    QPainter& painter_;
};

}  // namespace andel
