// Compact plot storage of the graph control.
#include "platform/graph/graph_store.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>

#include "platform/userint/userint.h"

namespace plat {

namespace {

// Points are indexed by 32 bits; keep well below that.
constexpr std::size_t kMaxPoints = std::size_t(1) << 30;

std::uint64_t styleKey(const PlotStore::Style &s)
{
    return (std::uint64_t(s.color) << 32 ^ std::uint64_t(s.fill)) * 31 + s.flags;
}

// True when every value survives the trip through a float unchanged (NaN
// never does, so it stays a double).
bool fitsFloat(const double *v, int n)
{
    for (int i = 0; i < n; ++i)
        if (double(float(v[i])) != v[i])
            return false;
    return true;
}

}  // namespace

void Extents::add(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (!any) {
        xlo = xhi = x;
        ylo = yhi = y;
        any = true;
        return;
    }
    xlo = std::min(xlo, x);
    xhi = std::max(xhi, x);
    ylo = std::min(ylo, y);
    yhi = std::max(yhi, y);
}

std::uint32_t PlotStore::styleIndex(const Style &s)
{
    // A hash collision between different styles only costs a new entry.
    const std::uint64_t key = styleKey(s);
    auto it = styleIds_.find(key);
    if (it != styleIds_.end()) {
        const Style &known = styles_[it->second];
        if (known.color == s.color && known.fill == s.fill && known.flags == s.flags)
            return it->second;
    }
    styles_.push_back(s);
    const auto index = static_cast<std::uint32_t>(styles_.size() - 1);
    styleIds_[key] = index;
    return index;
}

// A two-point line continues the last run when it follows it in handle,
// style and precision and starts exactly where the run ends.
bool PlotStore::extendsLastRun(int handle, const double *x, const double *y, int n,
                               std::uint32_t style, bool narrow) const
{
    if (n != 2 || runs_.empty())
        return false;
    const Run &last = runs_.back();
    if (!last.chain || last.style != style || last.narrow != narrow ||
        last.firstHandle + int(last.plots) != handle)
        return false;
    const QPointF end = point(last, last.points - 1);
    return end.x() == x[0] && end.y() == y[0];
}

int PlotStore::put(int handle, const double *x, const double *y, int n, std::uint32_t style)
{
    const bool narrow = fitsFloat(x, n) && fitsFloat(y, n);
    const std::size_t narrowBefore = narrow_.size(), wideBefore = wide_.size();
    const bool extend = extendsLastRun(handle, x, y, n, style, narrow);
    try {
        const int from = extend ? 1 : 0;
        for (int i = from; i < n; ++i) {
            if (narrow)
                narrow_.push({float(x[i]), float(y[i])});
            else
                wide_.push(QPointF(x[i], y[i]));
        }
        if (extend) {
            ++runs_.back().points;
            ++runs_.back().plots;
        } else {
            const bool chain =
                n == 2 && (styles_[style].flags & (kRect | kConnected)) == kConnected;
            runs_.push_back({handle, std::uint32_t(plots_),
                             std::uint32_t(narrow ? narrowBefore : wideBefore), std::uint32_t(n),
                             1, style, narrow, chain});
        }
        for (int i = from; i < n; ++i)
            extents_.add(x[i], y[i]);
    } catch (const std::bad_alloc &) {
        narrow_.truncate(narrowBefore);
        wide_.truncate(wideBefore);
        return UIEOutOfMemory;
    }
    ++plots_;
    return handle;
}

int PlotStore::add(const double *x, const double *y, int n, const Style &style)
{
    if (n <= 0 || !x || !y)
        return UIEIndexOutOfRange;
    if (narrow_.size() + wide_.size() + std::size_t(n) > kMaxPoints || nextHandle_ == INT_MAX)
        return UIEOutOfMemory;
    std::uint32_t index = 0;
    try {
        index = styleIndex(style);
    } catch (const std::bad_alloc &) {
        return UIEOutOfMemory;
    }
    const int handle = put(nextHandle_, x, y, n, index);
    if (handle > 0)
        ++nextHandle_;
    return handle;
}

int PlotStore::reserveHandle()
{
    if (nextHandle_ == INT_MAX)
        return UIEOutOfMemory;
    return nextHandle_++;
}

std::size_t PlotStore::runOfPlot(std::size_t plot) const
{
    auto it = std::upper_bound(runs_.begin(), runs_.end(), plot,
                               [](std::size_t p, const Run &r) { return p < r.firstPlot; });
    return it == runs_.begin() ? 0 : std::size_t(it - runs_.begin() - 1);
}

const PlotStore::Style *PlotStore::styleOf(int handle) const
{
    auto it = std::upper_bound(runs_.begin(), runs_.end(), handle,
                               [](int h, const Run &r) { return h < r.firstHandle; });
    if (it == runs_.begin() || handle >= (it - 1)->firstHandle + int((it - 1)->plots))
        return nullptr;
    return &styles_[(it - 1)->style];
}

int PlotStore::remove(int handle)
{
    if (!styleOf(handle))
        return UIEIndexOutOfRange;
    // Copy every other plot into a fresh store with the same handles and
    // styles; the runs form anew around the gap.
    PlotStore rest;
    rest.styles_ = styles_;
    rest.styleIds_ = styleIds_;
    rest.nextHandle_ = nextHandle_;
    std::vector<double> x, y;
    for (const Run &r : runs_) {
        for (std::uint32_t j = 0; j < r.plots; ++j) {
            if (r.firstHandle + int(j) == handle)
                continue;
            const std::uint32_t first = plotFirst(r, j), n = plotPoints(r);
            x.resize(n);
            y.resize(n);
            for (std::uint32_t k = 0; k < n; ++k) {
                const QPointF p = point(r, first + k);
                x[k] = p.x();
                y[k] = p.y();
            }
            if (rest.put(r.firstHandle + int(j), x.data(), y.data(), int(n), r.style) < 0)
                return UIEOutOfMemory;
        }
    }
    *this = std::move(rest);
    return 0;
}

void PlotStore::clear()
{
    // Handles keep increasing so a stale handle never names a new plot.
    runs_.clear();
    runs_.shrink_to_fit();
    narrow_.clear();
    wide_.clear();
    styles_.clear();
    styleIds_.clear();
    extents_ = {};
    plots_ = 0;
}

}  // namespace plat
