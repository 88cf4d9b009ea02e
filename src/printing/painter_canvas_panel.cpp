#include "printing/painter_canvas_panel.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <map>

namespace andel {
namespace {

QColor toQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QFont toQFont(const Font& font) {
    QFont qfont(QString::fromStdString(font.family));
    qfont.setPointSize(font.pointSize);
    qfont.setBold(font.bold);
    return qfont;
}

}  // namespace

void PainterCanvas::applyFont() const { painter_.setFont(toQFont(font())); }

int PainterCanvas::textWidth(const std::string& text) const {
    return QFontMetrics(toQFont(font()), painter_.device()).horizontalAdvance(QString::fromStdString(text));
}

PrinterMetrics PainterCanvas::readMetrics() const {
    const QPaintDevice* device = painter_.device();
    return {device->width(), device->height(), device->logicalDpiX(), device->logicalDpiY()};
}

void PainterCanvas::paintLine(DevicePoint from, DevicePoint to) {
    painter_.setPen(QPen(toQColor(pen()), 0));
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void PainterCanvas::paintRectangle(const DeviceRect& rect) {
    painter_.setPen(QPen(toQColor(pen()), 0));
    painter_.setBrush(brush() ? QBrush(toQColor(*brush())) : QBrush(Qt::NoBrush));
    painter_.drawRect(QRectF(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}

void PainterCanvas::paintText(DevicePoint topLeft, const std::string& text) {
    if (text.empty()) return;
    applyFont();
    const QString qtext = QString::fromStdString(text);
    const QFontMetrics metrics(painter_.font(), painter_.device());
    if (brush()) {
        painter_.fillRect(QRect(topLeft.x, topLeft.y, metrics.horizontalAdvance(qtext), metrics.height()),
                          toQColor(*brush()));
    }
    painter_.setPen(toQColor(font().colour));
    painter_.drawText(QPoint(topLeft.x, topLeft.y + metrics.ascent()), qtext);
}

void PainterCanvas::paintPicture(const DeviceRect& target, const PictureBitmap& picture) {
    if (picture.width <= 0 || picture.height <= 0) return;
    // One image per picture for the whole run, so a PDF holds each picture once.
    static std::map<const std::uint32_t*, QImage> images;
    QImage& image = images[picture.pixels.data()];
    if (image.isNull()) {
        image = QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                       picture.width * 4, QImage::Format_ARGB32)
                    .copy();
    }
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(QRect(target.left, target.top, target.right - target.left, target.bottom - target.top), image);
    painter_.restore();
}

}  // namespace andel
