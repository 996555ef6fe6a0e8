// Axis arithmetic of the graph control.
#include "platform/graph/graph_axis.h"

#include <algorithm>
#include <cmath>

namespace plat {

namespace {

constexpr int kAutoSteps = 5;            // round steps over the data when autoscaling
constexpr double kSingleValueSpan = 0.1; // relative half-span around a single value
constexpr int kTickCap = 100;            // no axis gets more ticks than this
constexpr double kZeroSnap = 1e-9;       // |value| below step * this prints as 0
constexpr double kPlainMax = 1e7;        // beyond this, labels use an exponent
constexpr int kMaxDecimals = 6;
// Narrowest span relative to the values: a few thousand pixels still get
// distinct doubles. Widest span of a zoom out.
constexpr double kMinRelativeSpan = 1e-12;
constexpr double kMinAbsoluteSpan = 1e-290;
constexpr double kMaxSpan = 1e300;

}  // namespace

bool validRange(double min, double max)
{
    return std::isfinite(min) && std::isfinite(max) && min < max && std::isfinite(max - min);
}

double niceStep(double raw)
{
    if (!std::isfinite(raw) || raw <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    // Rounding in log10/pow can leave fraction a hair above a round value.
    constexpr double kSlack = 1e-9;
    if (fraction <= 1 + kSlack)
        return power;
    if (fraction <= 2 + kSlack)
        return 2 * power;
    if (fraction <= 5 + kSlack)
        return 5 * power;
    return 10 * power;
}

AxisRange autoscaleRange(double lo, double hi)
{
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi)
        return {};
    if (lo == hi) {
        const double half = std::max(std::fabs(lo) * kSingleValueSpan, 1.0);
        lo -= half;
        hi += half;
    }
    const double step = niceStep((hi - lo) / kAutoSteps);
    AxisRange r{std::floor(lo / step) * step, std::ceil(hi / step) * step};
    if (!validRange(r.min, r.max))
        return validRange(lo, hi) ? AxisRange{lo, hi} : AxisRange{};
    return r;
}

std::vector<double> axisTicks(AxisRange r, int maxTicks, double *step)
{
    std::vector<double> ticks;
    *step = 0;
    if (!validRange(r.min, r.max) || maxTicks < 1)
        return ticks;
    const double s = niceStep((r.max - r.min) / std::min(maxTicks, kTickCap));
    // The slack keeps an end that is a multiple of the step, such as -0.3
    // for 0.1 (-2.9999999999999996 steps), as a tick.
    constexpr double kSlack = 1e-9;
    const double first = std::ceil(r.min / s - kSlack);
    const double last = std::floor(r.max / s + kSlack);
    if (!std::isfinite(first) || !std::isfinite(last) || last - first > kTickCap)
        return ticks;
    for (double k = first; k <= last; k += 1) {
        double v = k * s;
        if (std::fabs(v) < s * kZeroSnap)
            v = 0;
        ticks.push_back(v);
    }
    *step = s;
    return ticks;
}

QString tickLabel(double value, double step)
{
    if (std::fabs(value) < std::fabs(step) * kZeroSnap)
        value = 0;
    const double magnitude = std::fabs(value);
    if (magnitude >= kPlainMax || (step > 0 && step < std::pow(10.0, -kMaxDecimals)))
        return QString::number(value, 'g', 4);
    int decimals = 0;
    if (step > 0 && step < 1)
        decimals = std::min(kMaxDecimals, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    return QString::number(value, 'f', decimals);
}

double valueAtPixel(AxisRange r, double a, double b, double p)
{
    return r.min + (p - a) * (r.max - r.min) / (b - a);
}

AxisRange zoomAbout(AxisRange r, double at, double factor)
{
    if (!validRange(r.min, r.max) || !std::isfinite(at) || !std::isfinite(factor) || factor <= 0)
        return r;
    const double span = r.max - r.min;
    const double magnitude = std::max({std::fabs(r.min), std::fabs(r.max), std::fabs(at)});
    const double narrowest = std::max(magnitude * kMinRelativeSpan, kMinAbsoluteSpan);
    const double wanted = std::clamp(span * factor, std::min(narrowest, span), std::max(kMaxSpan, span));
    const double k = wanted / span;
    AxisRange z{at - (at - r.min) * k, at + (r.max - at) * k};
    return validRange(z.min, z.max) ? z : r;
}

AxisRange panBy(AxisRange r, double delta)
{
    AxisRange moved{r.min + delta, r.max + delta};
    // A shift too small for the doubles moves nothing rather than squeezing the span.
    if (!validRange(moved.min, moved.max) || std::fabs((moved.max - moved.min) - (r.max - r.min)) >
                                                     (r.max - r.min) * 1e-6)
        return r;
    return moved;
}

}  // namespace plat
