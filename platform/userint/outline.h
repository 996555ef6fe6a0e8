// Internal to the platform layer: the outline of a rectangle drawn as
// filled spans instead of pen strokes, for controls that repaint often.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace plat {

// Paints what p.drawRect(r) paints with a solid one-pixel pen of colour c
// and no brush: a line centred on each edge, reaching one pixel past the
// right and bottom edge at scale 1. Filling costs a fraction of stroking.
// p must not antialias.
inline void drawOutline(QPainter &p, const QRect &r, const QColor &c)
{
    constexpr double h = 0.5;  // half the pen width
    const QRectF e(r.x(), r.y(), r.width(), r.height());
    p.fillRect(QRectF(e.left() - h, e.top() - h, e.width() + 1, 1), c);
    p.fillRect(QRectF(e.left() - h, e.bottom() - h, e.width() + 1, 1), c);
    p.fillRect(QRectF(e.left() - h, e.top() + h, 1, e.height() - 1), c);
    p.fillRect(QRectF(e.right() - h, e.top() + h, 1, e.height() - 1), c);
}

}  // namespace plat
