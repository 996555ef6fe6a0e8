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

constexpr std::size_t kColumnKeep = 4;  // points of a column kept as they are

template <typename T>
void reduceTyped(const double *x, const T *y, std::size_t first, std::size_t last,
                 const GraphFrame &f, double dpr, double pen, ReducedLine &out)
{
    out.starts.assign(1, 0);
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
        if (j - i <= kColumnKeep) {
            for (std::size_t k = i; k < j; ++k)
                out.points.emplace_back(x[k], double(y[k]));
            i = j;
            continue;
        }
        T lo = y[i], hi = y[i];
        for (std::size_t k = i + 1; k < j; ++k) {
            lo = std::min(lo, y[k]);
            hi = std::max(hi, y[k]);
        }
        const double top = f.map(0, double(hi)).y(), bottom = f.map(0, double(lo)).y();
        const double h = pen / 2;
        out.bars.emplace_back(QPointF(c / dpr - h, top - h), QPointF((c + 1) / dpr + h, bottom + h));
        out.points.emplace_back(x[i], double(y[i]));
        out.starts.push_back(out.points.size());
        out.points.emplace_back(x[j - 1], double(y[j - 1]));
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

SeriesPlot makeSeriesPlot(int handle, SharedSeries s, QRgb color, const SeriesPlot *sameX)
{
    SeriesPlot p;
    p.handle = handle;
    p.color = color;
    // One plain pass over x; the points with a finite y then count for
    // the extents (all of them for 16-bit values).
    const bool known = sameX && sameX->data.x == s.x && sameX->data.n == s.n;
    if (known)
        p.ascending = sameX->ascending;
    for (std::size_t i = 0; i < s.n && p.ascending && !known; ++i)
        p.ascending = std::isfinite(s.x[i]) && (i == 0 || s.x[i] >= s.x[i - 1]);
    if (p.ascending && s.yType == VAL_UNSIGNED_SHORT_INTEGER && s.n > 0) {
        const auto *y = column<std::uint16_t>(s);
        const auto [lo, hi] = std::minmax_element(y, y + s.n);
        p.extents.add(s.x[0], *lo);
        p.extents.add(s.x[s.n - 1], *hi);
    } else {
        for (std::size_t i = 0; i < s.n; ++i)
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
                   double dpr, double pen, ReducedLine &out)
{
    out.points.clear();
    out.starts.assign(1, 0);
    out.bars.clear();
    last = std::min(last, p.data.n);
    if (first >= last)
        return;
    if (p.data.yType == VAL_DOUBLE)
        reduceTyped(p.data.x, column<double>(p.data), first, last, f, dpr, pen, out);
    else
        reduceTyped(p.data.x, column<std::uint16_t>(p.data), first, last, f, dpr, pen, out);
}

}  // namespace plat
