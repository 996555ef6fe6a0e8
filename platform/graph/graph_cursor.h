// The graph control's cursors: a thin crosshair through the cursor point,
// dotted across and solid upright, with a small hollow square around it.
#pragma once

#include <QImage>
#include <QRegion>

#include "platform/graph/graph_frame.h"

class QPainter;

namespace plat {

// What drawing a cursor keeps from one paint to the next, drawn once for a
// plot area width and scale: the dotted hair line as a row as wide as the
// plot area, and the square.
struct CursorArt {
    QImage dots;
    QImage square;
    double width = -1;  // plot area width they were drawn for, logical px
    qreal dpr = 0;
};

// Draws the cursor at data point (x, y), clipped to the plot area; nothing
// when the point lies outside it. At whole-number scales it is a filled
// span and copies of art, with the pixels the pen strokes would give;
// other scales stroke it. Leaves the painter as it found it.
void drawCursor(QPainter &p, const GraphFrame &f, double x, double y, CursorArt &art);

// What drawCursor paints at (x, y), in logical pixels, with a pixel to spare.
QRegion cursorRegion(const GraphFrame &f, double x, double y);

}  // namespace plat
