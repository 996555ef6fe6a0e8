// Cursors of the graph control. A polling loop moves them on every frame,
// so the common case avoids the pen: stroking a one-pixel line costs some
// forty times what filling the same span does.
#include "platform/graph/graph_cursor.h"

#include <QPainter>
#include <cmath>

namespace plat {

namespace {

constexpr double kCursorMarker = 7.0;  // hollow square at the cursor point
constexpr QRgb kCursorColor = 0x000000;
constexpr double kHairWidth = 1.0;     // pen width of the hair lines, logical px
constexpr double kSquareAt = 5.5;      // centre of the square in its prepared image

QPen dottedPen()
{
    return QPen(QColor(kCursorColor), kHairWidth, Qt::DotLine);
}

// The cursor stroked with pens: right at every scale.
void strokeCursor(QPainter &p, const QRectF &plot, double cx, double cy)
{
    p.save();
    p.setClipRect(plot);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(dottedPen());
    p.drawLine(QPointF(plot.left(), cy), QPointF(plot.right(), cy));
    p.setPen(QPen(QColor(kCursorColor), kHairWidth));
    p.drawLine(QPointF(cx, plot.top()), QPointF(cx, plot.bottom()));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(cx - kCursorMarker / 2, cy - kCursorMarker / 2, kCursorMarker,
                      kCursorMarker));
    p.restore();
}

// Draws art for a plot area of this width at this scale, with the pens of
// strokeCursor: the dotted line as a row whose left end is the plot area's
// left edge, the square centred on the centre of a pixel kSquareAt from the
// image's corner. Moved by whole device pixels, their pixels stay the same.
void prepareArt(CursorArt &art, double width, qreal dpr)
{
    if (art.width == width && art.dpr == dpr)
        return;
    auto canvas = [dpr](double w, double h) {
        QImage image(static_cast<int>(std::lround(w * dpr)), static_cast<int>(std::lround(h * dpr)),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(dpr);
        return image;
    };
    art.dots = canvas(width, kHairWidth);
    QPainter q(&art.dots);
    q.setPen(dottedPen());
    q.drawLine(QPointF(0, kHairWidth / 2), QPointF(width, kHairWidth / 2));
    q.end();
    art.square = canvas(2 * kSquareAt, 2 * kSquareAt);
    q.begin(&art.square);
    q.setPen(QPen(QColor(kCursorColor), kHairWidth));
    q.drawRect(QRectF(kSquareAt - kCursorMarker / 2, kSquareAt - kCursorMarker / 2,
                      kCursorMarker, kCursorMarker));
    q.end();
    art.width = width;
    art.dpr = dpr;
}

// Copies the part of image inside the plot area, its top left corner at
// `at` (logical px, on whole device pixels).
void copyInPlot(QPainter &p, const QRectF &plot, const QImage &image, QPointF at)
{
    const qreal dpr = image.devicePixelRatio();
    const QRectF in = QRectF(at, image.deviceIndependentSize()).intersected(plot);
    if (in.isEmpty())
        return;
    p.drawImage(in, image, QRectF((in.topLeft() - at) * dpr, in.size() * dpr));
}

}  // namespace

QRegion cursorRegion(const GraphFrame &f, double x, double y)
{
    const QPointF c = f.map(x, y);
    if (!f.plot.contains(c))
        return {};
    const double cx = std::floor(c.x()) + 0.5, cy = std::floor(c.y()) + 0.5;
    const double m = kCursorMarker / 2 + 2;
    QRegion r(QRectF(f.plot.left() - 1, cy - 2, f.plot.width() + 2, 4).toAlignedRect());
    r += QRectF(cx - 2, f.plot.top() - 1, 4, f.plot.height() + 2).toAlignedRect();
    r += QRectF(cx - m, cy - m, 2 * m, 2 * m).toAlignedRect();
    return r;
}

void drawCursor(QPainter &p, const GraphFrame &f, double x, double y, CursorArt &art)
{
    const QPointF c = f.map(x, y);
    if (!f.plot.contains(c))
        return;
    // Pixel centres, so the hair lines stay one pixel wide at scale 1.
    const double cx = std::floor(c.x()) + 0.5, cy = std::floor(c.y()) + 0.5;
    const QRectF &plot = f.plot;
    const qreal dpr = p.device()->devicePixelRatioF();
    const bool plain = dpr == std::round(dpr) && p.transform().type() == QTransform::TxNone &&
                       plot == plot.toRect();
    if (!plain) {
        strokeCursor(p, plot, cx, cy);
        return;
    }
    const bool smooth = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, false);
    prepareArt(art, plot.width(), dpr);
    // A one-pixel pen centred on a line covers the half pixel either side
    // of it; a filled rectangle of that extent rounds to the same pixels.
    const double h = kHairWidth / 2;
    copyInPlot(p, plot, art.dots, QPointF(plot.left(), cy - h));
    const QRectF upright = QRectF(cx - h, plot.top(), kHairWidth, plot.height()).intersected(plot);
    if (!upright.isEmpty())
        p.fillRect(upright, QColor(kCursorColor));
    copyInPlot(p, plot, art.square, QPointF(cx - kSquareAt, cy - kSquareAt));
    if (smooth)
        p.setRenderHint(QPainter::Antialiasing, true);
}

}  // namespace plat
