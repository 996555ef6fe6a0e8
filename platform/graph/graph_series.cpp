// Shared plots of the graph control.
#include "platform/graph/graph_series.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/userint/userint.h"

namespace plat {

namespace {

template <typename T> const T *column(const SharedSeries &s)
{
    return static_cast<const T *>(s.y);
}

template <typename T>
void reduceTyped(const double *x, const T *y, std::size_t first, std::size_t last,
                 const GraphFrame &f, double dpr, std::vector<QPointF> &out)
{
    const double scale = f.plot.width() / (f.x.max - f.x.min) * dpr;
    const double left = f.plot.left() * dpr, xmin = f.x.min;
    auto columnOf = [&](double v) { return std::floor(left + (v - xmin) * scale); };
    std::size_t i = first;
    while (i < last) {
        const double c = columnOf(x[i]);
        // Columns ascend with x, so the column's end is found by halving.
        const std::size_t j = std::size_t(
            std::partition_point(x + i + 1, x + last, [&](double v) { return columnOf(v) <= c; }) -
            x);
        std::size_t lo = i, hi = i;
        for (std::size_t k = i + 1; k < j; ++k) {
            if (y[k] < y[lo])
                lo = k;
            else if (y[k] > y[hi])
                hi = k;
        }
        out.emplace_back(x[i], double(y[i]));
        const std::size_t a = std::min(lo, hi), b = std::max(lo, hi);
        if (a != i && a != j - 1)
            out.emplace_back(x[a], double(y[a]));
        if (b != a && b != i && b != j - 1)
            out.emplace_back(x[b], double(y[b]));
        if (j - 1 != i)
            out.emplace_back(x[j - 1], double(y[j - 1]));
        i = j;
    }
}

}  // namespace

bool seriesTypeKnown(int yType)
{
    return yType == VAL_UNSIGNED_SHORT_INTEGER || yType == VAL_DOUBLE;
}

double seriesY(const SharedSeries &s, std::size_t i)
{
    return s.yType == VAL_DOUBLE ? column<double>(s)[i] : double(column<std::uint16_t>(s)[i]);
}

SeriesPlot makeSeriesPlot(int handle, SharedSeries s, QRgb color)
{
    SeriesPlot p;
    p.handle = handle;
    p.color = color;
    for (std::size_t i = 0; i < s.n; ++i) {
        if (!std::isfinite(s.x[i]) || (i > 0 && s.x[i] < s.x[i - 1]))
            p.ascending = false;
        p.extents.add(s.x[i], seriesY(s, i));
    }
    p.data = std::move(s);
    return p;
}

void visibleSpan(const double *x, std::size_t n, double lo, double hi, std::size_t *first,
                 std::size_t *last)
{
    const std::size_t a = std::size_t(std::lower_bound(x, x + n, lo) - x);
    const std::size_t b = std::size_t(std::upper_bound(x + a, x + n, hi) - x);
    *first = a > 0 ? a - 1 : 0;
    *last = b < n ? b + 1 : n;
}

void reduceColumns(const SeriesPlot &p, std::size_t first, std::size_t last, const GraphFrame &f,
                   double dpr, std::vector<QPointF> &out)
{
    out.clear();
    last = std::min(last, p.data.n);
    if (first >= last)
        return;
    if (p.data.yType == VAL_DOUBLE)
        reduceTyped(p.data.x, column<double>(p.data), first, last, f, dpr, out);
    else
        reduceTyped(p.data.x, column<std::uint16_t>(p.data), first, last, f, dpr, out);
}

}  // namespace plat
