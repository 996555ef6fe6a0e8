// Time axis arithmetic of the graph control.
#include "platform/graph/graph_time.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cmath>

namespace plat {

namespace {

constexpr double kDay = 86400;
constexpr int kTickCap = 100;
// Round steps of a clock, seconds.
constexpr double kSteps[] = {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1,   0.2,   0.5,
                             1,     2,     5,     10,   15,   30,   60,    120,   300,
                             600,   900,   1800,  3600, 7200, 10800, 21600, 43200, kDay};
// Seconds of the clock a QDateTime can show (years 0 to 9999).
constexpr double kFirstSecond = -62167219200.0, kLastSecond = 253402300799.0;

double roundStep(double raw)
{
    for (double s : kSteps)
        if (s >= raw)
            return s;
    return niceStep(raw / kDay) * kDay;
}

QDateTime clockAt(double seconds)
{
    return QDateTime::fromSecsSinceEpoch(
        static_cast<qint64>(std::floor(std::clamp(seconds, kFirstSecond, kLastSecond))),
        QTimeZone::utc());
}

}  // namespace

std::vector<double> timeTicks(AxisRange r, int maxTicks, double *step)
{
    std::vector<double> ticks;
    *step = 0;
    if (!validRange(r.min, r.max) || maxTicks < 1)
        return ticks;
    const double span = r.max - r.min;
    const double s = span / std::min(maxTicks, kTickCap) < kSteps[0]
                         ? niceStep(span / std::min(maxTicks, kTickCap))
                         : roundStep(span / std::min(maxTicks, kTickCap));
    constexpr double kSlack = 1e-9;
    const double first = std::ceil(r.min / s - kSlack), last = std::floor(r.max / s + kSlack);
    if (!std::isfinite(first) || !std::isfinite(last) || last - first > kTickCap)
        return ticks;
    for (double k = first; k <= last; k += 1)
        ticks.push_back(k * s);
    *step = s;
    return ticks;
}

QString timeLabel(double seconds, double step)
{
    int decimals = 0;
    if (step > 0 && step < 1)
        decimals = std::min(3, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    // Round first, so 09.9999999 shows as 10 and not as 09.
    const double unit = std::pow(10.0, decimals);
    const double rounded = std::round(seconds * unit) / unit;
    const double whole = std::floor(rounded);
    const QDateTime t = clockAt(whole);
    if (step >= kDay && std::fmod(step, kDay) == 0)
        return t.toString(QStringLiteral("MM-dd"));
    if (step >= 60 && std::fmod(step, 60) == 0)
        return t.toString(QStringLiteral("HH:mm"));
    QString label = t.toString(QStringLiteral("HH:mm:ss"));
    if (decimals > 0) {
        const auto fraction = static_cast<long long>(std::llround((rounded - whole) * unit));
        label += QStringLiteral(".%1").arg(fraction, decimals, 10, QLatin1Char('0'));
    }
    return label;
}

QString timeRangeDates(AxisRange r)
{
    const QString format = QStringLiteral("MM-dd-yyyy");
    const QString from = clockAt(r.min).toString(format), to = clockAt(r.max).toString(format);
    return from == to ? from : from + QStringLiteral(" to ") + to;
}

}  // namespace plat
