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

// The plot of s: whether x ascends, and its finite extents.
SeriesPlot makeSeriesPlot(int handle, SharedSeries s, QRgb color);

// Points [first, last) that a line through ascending x needs to cover lo
// to hi: those inside, and one more on each side where there is one.
void visibleSpan(const double *x, std::size_t n, double lo, double hi, std::size_t *first,
                 std::size_t *last);

// Points first..last of an ascending plot reduced to at most four per
// device pixel column of f (dpr device pixels per logical one): its first,
// lowest, highest and last point, in their order. A line through out covers
// the pixels a line through all of them would. out is replaced.
void reduceColumns(const SeriesPlot &p, std::size_t first, std::size_t last, const GraphFrame &f,
                   double dpr, std::vector<QPointF> &out);

}  // namespace plat
