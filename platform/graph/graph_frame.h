// Layout and background of the graph control: where the plot area sits for
// a given size, font and axis ranges, and the drawing of the area, grid,
// axes, tick labels and axis names. Also the mapping of data to pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "platform/graph/graph_axis.h"

class QPainter;

namespace plat {

struct GraphFrame {
    QRectF plot;                 // plot area, logical pixels
    AxisRange x, y;
    std::vector<double> xTicks, yTicks;
    double xStep = 0, yStep = 0;

    // Data coordinates to logical pixels; linear, unclipped.
    QPointF map(double dx, double dy) const
    {
        return {plot.left() + (dx - x.min) * plot.width() / (x.max - x.min),
                plot.bottom() - (dy - y.min) * plot.height() / (y.max - y.min)};
    }
};

struct FrameLabels {
    QString xName, yName;
};

// The frame for a widget of this size: margins fit the tick labels and
// axis names in font, tick counts follow the available length.
GraphFrame layoutFrame(QSizeF size, const QFont &font, AxisRange x, AxisRange y,
                       const FrameLabels &names);

// Paints background, plot area, grid, axes, ticks, labels and names.
// background is the colour around the plot area.
void drawFrame(QPainter &p, const GraphFrame &f, QSizeF size, const QFont &font,
               const FrameLabels &names, QColor background);

}  // namespace plat
