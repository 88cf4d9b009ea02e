#include "printing/picture_painter.h"

#include <algorithm>
#include <cmath>

namespace andel {

PicturePainter::PicturePainter(std::string name, int width, int height, int detail)
    : detail_(detail), pixelWidth_(width * detail), pixelHeight_(height * detail) {
    picture_.name = std::move(name);
    picture_.width = pixelWidth_;
    picture_.height = pixelHeight_;
    picture_.pixels.assign(static_cast<std::size_t>(pixelWidth_) * pixelHeight_, 0u);  // transparent
}

void PicturePainter::put(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= pixelWidth_ || y >= pixelHeight_) return;
    picture_.pixels[static_cast<std::size_t>(y) * pixelWidth_ + x] =
        0xFF000000u | std::uint32_t{colour.r} << 16 | std::uint32_t{colour.g} << 8 | colour.b;
}

// Even-odd scanlines through the pixel centres.
void PicturePainter::fillSpans(double top, double bottom, const std::vector<PointF>& points, Rgb colour) {
    const int firstRow = std::max(0, static_cast<int>(std::floor(top * detail_)));
    const int lastRow = std::min(pixelHeight_ - 1, static_cast<int>(std::ceil(bottom * detail_)));
    std::vector<double> crossings;
    for (int row = firstRow; row <= lastRow; ++row) {
        const double y = (row + 0.5) / detail_;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const PointF& a = points[i];
            const PointF& b = points[(i + 1) % points.size()];
            if ((a.y <= y) == (b.y <= y)) continue;
            crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = static_cast<int>(std::ceil(crossings[i] * detail_ - 0.5));
            const int to = static_cast<int>(std::floor(crossings[i + 1] * detail_ - 0.5));
            for (int x = from; x <= to; ++x) put(x, row, colour);
        }
    }
}

void PicturePainter::polygon(const std::vector<PointF>& points, Rgb colour) {
    if (points.size() < 3) return;
    double top = points[0].y, bottom = points[0].y;
    for (const PointF& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    fillSpans(top, bottom, points, colour);
}

void PicturePainter::ellipse(double cx, double cy, double rx, double ry, Rgb colour) {
    constexpr int kSteps = 72;
    std::vector<PointF> points;
    for (int i = 0; i < kSteps; ++i) {
        const double angle = 2 * 3.14159265358979 * i / kSteps;
        points.push_back({cx + rx * std::cos(angle), cy + ry * std::sin(angle)});
    }
    polygon(points, colour);
}

void PicturePainter::rectangle(double x1, double y1, double x2, double y2, Rgb colour) {
    polygon({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, colour);
}

void PicturePainter::line(PointF from, PointF to, double width, Rgb colour) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
        const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
        polygon({{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny}, {from.x - nx, from.y - ny}},
                colour);
    }
    ellipse(from.x, from.y, width / 2, width / 2, colour);
    ellipse(to.x, to.y, width / 2, width / 2, colour);
}

}  // namespace andel
