// Drawing of the graph control's content onto a prepared frame: the stored
// plots (in batches, clipped to the plot area) and the strip chart traces.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRgb>
#include <cstddef>
#include <vector>

#include "platform/graph/graph_frame.h"
#include "platform/graph/graph_series.h"
#include "platform/graph/graph_store.h"
#include "platform/graph/graph_strip.h"

class QPainter;

namespace plat {

// Clips the segment a-b to r (Liang-Barsky). False when nothing of it is
// inside or a coordinate is not finite; else a and b are the visible part.
bool clipSegment(const QRectF &r, QPointF &a, QPointF &b);

// Draws plots [from, to) of store. Consecutive plots of one style are drawn
// in one call, and a line with many points per pixel column is drawn through
// each column's first, lowest, highest and last point only: a million
// two-point segments stay fast.
void drawPlots(QPainter &p, const GraphFrame &f, const PlotStore &store, std::size_t from,
               std::size_t to);

// Draws a shared plot as a line through its points: for ascending x only
// those in view, a few per pixel column, so a million points draw in a
// millisecond or two.
void drawSeries(QPainter &p, const GraphFrame &f, const SeriesPlot &s);

// Draws every trace as a line through its points, point i at x = i.
void drawTraces(QPainter &p, const GraphFrame &f, const StripData &strip,
                const std::vector<QRgb> &colors);
// Where drawTraces may paint: the plot area and its slack, logical pixels.
QRect traceArea(const GraphFrame &f);

}  // namespace plat
