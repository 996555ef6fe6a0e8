// Plots whose points stay with their owner: the graph reads x and y in
// place and copies nothing, so a plot of a million points costs it a few
// bytes. For x that never decreases, drawing looks only at the points in
// view and takes each pixel column's first, lowest, highest and last point.
#pragma once

#include <QPointF>
#include <QRgb>
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "platform/graph/graph_frame.h"
#include "platform/graph/graph_store.h"

namespace plat {

struct SharedSeries {
    std::shared_ptr<const void> owner;  // keeps x and y alive
    const double *x = nullptr;
    const void *y = nullptr;
    int yType = 0;  // VAL_UNSIGNED_SHORT_INTEGER or VAL_DOUBLE
    std::size_t n = 0;
};

// A shared plot as the graph keeps it.
struct SeriesPlot {
    int handle = 0;
    SharedSeries data;
    QRgb color = 0;
    bool ascending = true;  // x never decreases
    Extents extents;
};

// True for the y types a shared plot takes.
bool seriesTypeKnown(int yType);
double seriesY(const SharedSeries &s, std::size_t i);

// The plot of s: whether x ascends, and its finite extents. sameX, when
// given, is a plot over the same x array, whose order is then taken over
// rather than looked at again.
SeriesPlot makeSeriesPlot(int handle, SharedSeries s, QRgb color,
                          const SeriesPlot *sameX = nullptr);

// Points [first, last) that a line through ascending x needs to cover lo
// to hi: those inside, and one more on each side where there is one.
void visibleSpan(const double *x, std::size_t n, double lo, double hi, std::size_t *first,
                 std::size_t *last);

// An ascending plot as it is drawn: lines through points, and bars where
// a device pixel column holds more points than a line needs.
struct ReducedLine {
    std::vector<QPointF> points;     // data coordinates
    std::vector<std::size_t> starts; // the first point of each line, ascending
    std::vector<QRectF> bars;        // logical pixels
};

// Points first..last of an ascending plot in the device pixel columns of f
// (dpr device pixels per logical one). A column of up to four points keeps
// them; a fuller one gets a bar from its lowest to its highest point,
// widened by half the pen width `pen` all round, and the line ends at its
// first point and goes on from its last. The bars and lines cover what the
// line through every point would, and filling a bar costs far less than
// stroking thousands of tall segments. out is replaced.
void reduceColumns(const SeriesPlot &p, std::size_t first, std::size_t last, const GraphFrame &f,
                   double dpr, double pen, ReducedLine &out);

}  // namespace plat
