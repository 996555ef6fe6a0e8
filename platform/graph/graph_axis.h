// Axis arithmetic of the graph control, kept out of the widget so tests can
// call it: automatic ranges on round numbers, tick positions, tick labels,
// and the operator's zoom and pan.
#pragma once

#include <QString>
#include <vector>

namespace plat {

struct AxisRange {
    double min = 0;
    double max = 10;
    bool operator==(const AxisRange &o) const { return min == o.min && max == o.max; }
    bool operator!=(const AxisRange &o) const { return !(*this == o); }
};

// True when min < max, both finite and the span itself finite.
bool validRange(double min, double max);

// The smallest step of the form 1, 2 or 5 times a power of ten that is not
// below raw. raw must be finite and > 0; anything else gives 1.
double niceStep(double raw);

// The automatic range around data from lo to hi: both ends moved outwards
// to the next multiple of a round step (about five steps over the data), so
// the range only changes when the data crosses such a multiple. A single
// value (lo == hi) gets a span of ten percent of its size, at least 1.
// Non-finite input gives the default range 0 to 10.
AxisRange autoscaleRange(double lo, double hi);

// Tick positions inside r: multiples of a round step, at most maxTicks + 1
// of them. step receives the step (0 when there are no ticks).
std::vector<double> axisTicks(AxisRange r, int maxTicks, double *step);

// The label of a tick: as many decimals as the step needs, C locale,
// exponent form for very large or very small numbers.
QString tickLabel(double value, double step);

// The data value at pixel p of an axis whose value r.min lies at pixel a
// and r.max at pixel b (a != b).
double valueAtPixel(AxisRange r, double a, double b, double p);

// r zoomed by factor about the value at, which keeps its place on screen:
// the span becomes factor times as wide (< 1 zooms in). The span is kept
// wide enough for doubles to tell its pixels apart and below 1e300. r comes
// back unchanged for a factor or point that is not finite or not > 0.
AxisRange zoomAbout(AxisRange r, double at, double factor);

// r moved by delta data units; unchanged when the result would not be valid.
AxisRange panBy(AxisRange r, double delta);

}  // namespace plat
