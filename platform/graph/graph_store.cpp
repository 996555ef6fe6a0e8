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

int PlotStore::add(const double *x, const double *y, int n, const Style &style)
{
    if (n <= 0 || !x || !y)
        return UIEIndexOutOfRange;
    if (pts_.size() + std::size_t(n) > kMaxPoints || nextHandle_ == INT_MAX)
        return UIEOutOfMemory;
    try {
        const std::uint32_t first = static_cast<std::uint32_t>(pts_.size());
        for (int i = 0; i < n; ++i) {
            pts_.emplace_back(x[i], y[i]);
            extents_.add(x[i], y[i]);
        }
        recs_.push_back({nextHandle_, first, std::uint32_t(n), styleIndex(style)});
    } catch (const std::bad_alloc &) {
        const long known = recs_.empty() ? 0 : recs_.back().first + recs_.back().count;
        pts_.resize(known);
        recomputeExtents();
        return UIEOutOfMemory;
    }
    return nextHandle_++;
}

long PlotStore::find(int handle) const
{
    auto it = std::lower_bound(recs_.begin(), recs_.end(), handle,
                               [](const Rec &r, int h) { return r.handle < h; });
    if (it == recs_.end() || it->handle != handle)
        return -1;
    return it - recs_.begin();
}

int PlotStore::remove(int handle)
{
    const long pos = find(handle);
    if (pos < 0)
        return UIEIndexOutOfRange;
    const Rec gone = recs_[pos];
    pts_.erase(pts_.begin() + gone.first, pts_.begin() + gone.first + gone.count);
    recs_.erase(recs_.begin() + pos);
    for (std::size_t i = pos; i < recs_.size(); ++i)
        recs_[i].first -= gone.count;
    recomputeExtents();
    return 0;
}

void PlotStore::recomputeExtents()
{
    extents_ = {};
    for (const QPointF &p : pts_)
        extents_.add(p.x(), p.y());
}

void PlotStore::clear()
{
    // Handles keep increasing so a stale handle never names a new plot.
    recs_.clear();
    pts_.clear();
    recs_.shrink_to_fit();
    pts_.shrink_to_fit();
    styles_.clear();
    styleIds_.clear();
    extents_ = {};
}

}  // namespace plat
