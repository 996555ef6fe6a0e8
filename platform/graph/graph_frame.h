// Layout and background of the graph control: where the plot area sits for
// a given size, font and axis ranges, and the drawing of the area, grid,
// axes, tick labels, axis names and the legend above the plot area. Also
// the mapping of data to pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRgb>
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
    bool xTime = false;          // x is a time of day (graph_time.h)
    std::vector<double> xTicks, yTicks;
    double xStep = 0, yStep = 0;

    // Data coordinates to logical pixels; linear, unclipped.
    QPointF map(double dx, double dy) const
    {
        return {plot.left() + (dx - x.min) * plot.width() / (x.max - x.min),
                plot.bottom() - (dy - y.min) * plot.height() / (y.max - y.min)};
    }
};

struct LegendEntry {
    QString text;
    QRgb color = 0;
};

struct FrameLabels {
    QString xName, yName;
    bool xTime = false;               // x labels read as a clock, dates beside the x name
    std::vector<LegendEntry> legend;  // shown in rows above the plot area
};

// The label of x tick t of f.
QString xTickLabel(const GraphFrame &f, double t);

// The frame for a widget of this size: margins fit the tick labels and
// axis names in font, tick counts follow the available length.
GraphFrame layoutFrame(QSizeF size, const QFont &font, AxisRange x, AxisRange y,
                       const FrameLabels &names);

// Paints background, plot area, grid, axes, ticks, labels and names.
// background is the colour around the plot area.
void drawFrame(QPainter &p, const GraphFrame &f, QSizeF size, const QFont &font,
               const FrameLabels &names, QColor background);

}  // namespace plat
