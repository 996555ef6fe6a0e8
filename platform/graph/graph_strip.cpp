// Ring buffers of the strip chart.
#include "platform/graph/graph_strip.h"

#include <algorithm>
#include <cmath>

namespace plat {

namespace {
constexpr int kDefaultPointsPerScreen = 100;
}

StripData::StripData() : rings_(1), pps_(kDefaultPointsPerScreen)
{
    rings_[0].v.assign(pps_, 0.0);
}

void StripData::resizeRing(Ring &r, int pps)
{
    std::vector<double> kept;
    const int keep = std::min(r.count, pps);
    kept.reserve(pps);
    for (int i = r.count - keep; i < r.count; ++i)
        kept.push_back(r.v[(r.head + i) % r.v.size()]);
    kept.resize(pps, 0.0);
    r.v = std::move(kept);
    r.head = 0;
    r.count = keep;
}

void StripData::setTraces(int n)
{
    n = std::clamp(n, 1, kMaxTraces);
    if (n == traces())
        return;
    rings_.resize(n);
    for (Ring &r : rings_)
        if (static_cast<int>(r.v.size()) != pps_)
            r.v.assign(pps_, 0.0);
    turn_ = 0;
}

void StripData::setPointsPerScreen(int n)
{
    n = std::clamp(n, 2, kMaxPointsPerScreen);
    if (n == pps_)
        return;
    for (Ring &r : rings_)
        resizeRing(r, n);
    pps_ = n;
}

void StripData::append(const double *values, int count)
{
    if (!values || count <= 0)
        return;
    const int n = traces();
    for (int k = 0; k < count; ++k) {
        Ring &r = rings_[turn_];
        if (r.count < pps_) {
            r.v[r.count++] = values[k];
        } else {
            r.v[r.head] = values[k];
            r.head = (r.head + 1) % pps_;
        }
        turn_ = (turn_ + 1) % n;
    }
}

void StripData::clear()
{
    for (Ring &r : rings_) {
        r.head = 0;
        r.count = 0;
    }
    turn_ = 0;
}

double StripData::at(int trace, int i) const
{
    const Ring &r = rings_[trace];
    return r.v[(r.head + i) % pps_];
}

std::vector<double> StripData::values(int trace) const
{
    std::vector<double> out;
    if (trace < 0 || trace >= traces())
        return out;
    out.reserve(rings_[trace].count);
    for (int i = 0; i < rings_[trace].count; ++i)
        out.push_back(at(trace, i));
    return out;
}

std::vector<double> StripData::screen() const
{
    std::vector<double> out;
    for (int t = 0; t < traces(); ++t) {
        out.push_back(rings_[t].count);
        for (int i = 0; i < rings_[t].count; ++i)
            out.push_back(at(t, i));
    }
    return out;
}

bool StripData::extent(double *lo, double *hi) const
{
    bool any = false;
    for (const Ring &r : rings_) {
        for (int i = 0; i < r.count; ++i) {
            const double v = r.v[i];  // every filled slot is on screen
            if (!std::isfinite(v))
                continue;
            if (!any) {
                *lo = *hi = v;
                any = true;
            } else {
                *lo = std::min(*lo, v);
                *hi = std::max(*hi, v);
            }
        }
    }
    return any;
}

}  // namespace plat
