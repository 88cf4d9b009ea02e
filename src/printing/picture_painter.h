#pragma once
// A small painter of filled shapes into a picture's pixels, for the certificate's own
// artwork. Coordinates are in the picture's layout size; the pixels are `detail` times
// finer so the artwork stays smooth when printed larger than on screen.
#include "printing/inch_canvas.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace andel {

struct PointF {
    double x, y;
};

class PicturePainter {
public:
    PicturePainter(std::string name, int width, int height, int detail);

    void polygon(const std::vector<PointF>& points, Rgb colour);
    void ellipse(double cx, double cy, double rx, double ry, Rgb colour);
    void rectangle(double x1, double y1, double x2, double y2, Rgb colour);
    // A line of the given width with round ends.
    void line(PointF from, PointF to, double width, Rgb colour);

    PictureBitmap take() { return std::move(picture_); }

private:
    void fillSpans(double top, double bottom, const std::vector<PointF>& points, Rgb colour);
    void put(int x, int y, Rgb colour);

    PictureBitmap picture_;
    int detail_;
    int pixelWidth_, pixelHeight_;
};

}  // namespace andel
