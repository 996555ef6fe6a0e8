#include "sim/sensor_model.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPowerFull = 1000.0;

// The passing target: one pass every 4 s; the object is in view for the
// middle 60 % of the cycle and moves from x = -1 to x = +1.
constexpr int64_t kPassPeriodMs = 4000;
constexpr double kInViewFrom = 0.2;
constexpr double kInViewTo = 0.8;
constexpr double kChannelCentre[3] = {-0.4, 0.0, 0.4};   // L, C, R
constexpr double kChannelWidth = 0.35;
constexpr double kBackground = 80.0;   // stray light at full power
constexpr double kPeak = 3400.0;       // object right over a channel, full power
constexpr double kNoise = 24.0;        // peak noise with no averaging

// Temperature around 31 degrees, drifting by +-2 over ten minutes.
constexpr double kTempMean = 31.0;
constexpr double kTempSwing = 2.0;
constexpr int64_t kTempPeriodMs = 600000;

constexpr uint16_t kChannelModeCentre = 1;
constexpr uint16_t kChannelModeSides = 2;

uint16_t clampIntensity(double v)
{
    return static_cast<uint16_t>(std::clamp(std::lround(v), 0L, long{kIntensityMax}));
}

// 500 + 500 (a - b) / (a + b), rounded; 500 when both are zero.
uint16_t symmetry(double a, double b)
{
    if (a + b <= 0.0)
        return kSymCentre;
    double s = kSymCentre + kSymCentre * (a - b) / (a + b);
    return static_cast<uint16_t>(std::clamp(std::lround(s), 0L, long{kSymMax}));
}

bool within(uint16_t value, uint16_t set, uint16_t tol)
{
    return std::abs(int{value} - int{set}) <= int{tol};
}

} // namespace

Derived deriveValues(const Intensities &in)
{
    Derived d;
    d.density = static_cast<uint16_t>((uint32_t{in.l} + in.c + in.r) / 3);
    d.sym1 = symmetry(in.l, in.r);
    d.sym2 = symmetry(in.c, (double(in.l) + in.r) / 2.0);
    return d;
}

std::size_t rowsChecked(const ParamSet &set)
{
    std::size_t n = std::min<std::size_t>(set.params[kSlotMaxNr], kTeachRows);
    if (set.params[kSlotOutMode] != kOutModeBinary)
        n = std::min(n, kDirectModeRows);
    return n;
}

uint16_t classifyVector(const ParamSet &set, const Derived &v)
{
    if (v.density < set.params[kSlotIntlim])
        return kNoVector;
    std::size_t n = rowsChecked(set);
    for (std::size_t r = 0; r < n; ++r) {
        const TeachRow &row = set.teach[r];
        if (within(v.density, row[kColDensity], row[kColDensityTol]) &&
            within(v.sym1, row[kColSym1], row[kColSym1Tol]) &&
            within(v.sym2, row[kColSym2], row[kColSym2Tol]))
            return static_cast<uint16_t>(r);
    }
    return kNoVector;
}

Intensities targetIntensities(double x, bool present, uint16_t power, uint16_t channelMode)
{
    double scale = std::min<double>(power, kPowerFull) / kPowerFull;
    double level[3];
    for (int ch = 0; ch < 3; ++ch) {
        double d = (x - kChannelCentre[ch]) / kChannelWidth;
        double response = present ? std::exp(-d * d) : 0.0;
        level[ch] = scale * (kBackground + kPeak * response);
    }
    if (channelMode == kChannelModeCentre)
        level[0] = level[2] = 0.0;
    else if (channelMode == kChannelModeSides)
        level[1] = 0.0;
    return {clampIntensity(level[0]), clampIntensity(level[1]), clampIntensity(level[2])};
}

SensorModel::SensorModel(uint32_t seed) : rng_(seed) {}

void SensorModel::setFixedTarget(std::optional<Intensities> target)
{
    fixed_ = target;
}

Intensities SensorModel::measure(int64_t tMs, const ParamSet &ram)
{
    if (fixed_)
        return *fixed_;
    double phase = double(tMs % kPassPeriodMs) / kPassPeriodMs;
    bool present = phase >= kInViewFrom && phase < kInViewTo;
    double x = -1.0 + 2.0 * (phase - kInViewFrom) / (kInViewTo - kInViewFrom);
    uint16_t power = ram.params[kSlotPower];
    uint16_t mode = ram.params[kSlotChannelMode];
    Intensities clean = targetIntensities(x, present, power, mode);

    // Averaging over n scans shrinks the noise by sqrt(n).
    double amp = kNoise * (std::min<double>(power, kPowerFull) / kPowerFull) /
                 std::sqrt(std::max<double>(ram.params[kSlotAverage], 1.0));
    std::uniform_real_distribution<double> noise(-amp, amp);
    auto noisy = [&](uint16_t v) { return v == 0 ? uint16_t{0} : clampIntensity(v + noise(rng_)); };
    return {noisy(clean.l), noisy(clean.c), noisy(clean.r)};
}

void SensorModel::recordMaxima(int64_t tMs, const Intensities &in)
{
    int64_t second = tMs / 1000;
    MaxBucket &b = buckets_[static_cast<std::size_t>(second % kMaxBuckets)];
    if (b.second != second)
        b = MaxBucket{second, {}};
    b.max[0] = std::max(b.max[0], in.l);
    b.max[1] = std::max(b.max[1], in.c);
    b.max[2] = std::max(b.max[2], in.r);
}

std::array<uint16_t, 3> SensorModel::maxima(int64_t tMs) const
{
    int64_t second = tMs / 1000;
    std::array<uint16_t, 3> m{};
    for (const MaxBucket &b : buckets_) {
        if (b.second < 0 || b.second <= second - int64_t{kMaxBuckets})
            continue;
        for (std::size_t ch = 0; ch < 3; ++ch)
            m[ch] = std::max(m[ch], b.max[ch]);
    }
    return m;
}

uint16_t SensorModel::temperature(int64_t tMs)
{
    double t = kTempMean + kTempSwing * std::sin(2.0 * kPi * double(tMs % kTempPeriodMs) / kTempPeriodMs);
    return static_cast<uint16_t>(std::lround(t));
}

DataWords SensorModel::sample(int64_t tMs, const ParamSet &ram)
{
    Intensities in = measure(tMs, ram);
    recordMaxima(tMs, in);
    Derived d = deriveValues(in);

    // In the external trigger modes the sensor evaluates only while IN0 is
    // high; while it is low EXT1 holds the last vector, EXT2 reports a fail.
    uint16_t trigger = ram.params[kSlotTrigger];
    uint16_t vec;
    if (trigger == kTriggerCont || in0_) {
        vec = classifyVector(ram, d);
        heldVector_ = vec;
    } else {
        vec = trigger == kTriggerExt1 ? heldVector_ : kNoVector;
    }

    std::array<uint16_t, 3> m = maxima(tMs);
    DataWords w{};
    w[kDataChL] = in.l;
    w[kDataChC] = in.c;
    w[kDataChR] = in.r;
    w[kDataDensity] = d.density;
    w[kDataSym1] = d.sym1;
    w[kDataSym2] = d.sym2;
    w[kDataVector] = vec;
    w[kDataTemp] = temperature(tMs);
    w[kDataMaxChL] = m[0];
    w[kDataMaxChC] = m[1];
    w[kDataMaxChR] = m[2];
    w[kDataTrigger] = in0_ ? 1 : 0;
    return w;
}

} // namespace sim
