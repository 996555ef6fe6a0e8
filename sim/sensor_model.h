// What the simulated sensor measures: three channel intensities of a target
// passing the sensor, the density and two symmetries derived from them, the
// vector classified against the teach table, the 60 s maxima, a drifting
// temperature and the state of the trigger input IN0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>

#include "sim/sensor_memory.h"

namespace sim {

constexpr uint16_t kNoVector = 255;        // nothing detected, or error state
constexpr uint16_t kIntensityMax = 4095;   // 12-bit receivers
constexpr uint16_t kSymCentre = 500;       // symmetry of a symmetric signal
constexpr uint16_t kSymMax = 1000;

// Data frame words 2..13, indexed from 0 here.
constexpr std::size_t kDataWords = 12;
constexpr std::size_t kDataChL = 0;
constexpr std::size_t kDataChC = 1;
constexpr std::size_t kDataChR = 2;
constexpr std::size_t kDataDensity = 3;
constexpr std::size_t kDataSym1 = 4;
constexpr std::size_t kDataSym2 = 5;
constexpr std::size_t kDataVector = 6;
constexpr std::size_t kDataTemp = 7;
constexpr std::size_t kDataMaxChL = 8;
constexpr std::size_t kDataMaxChC = 9;
constexpr std::size_t kDataMaxChR = 10;
constexpr std::size_t kDataTrigger = 11;
using DataWords = std::array<uint16_t, kDataWords>;

struct Intensities {
    uint16_t l = 0;
    uint16_t c = 0;
    uint16_t r = 0;
    bool operator==(const Intensities &) const = default;
};

struct Derived {
    uint16_t density = 0;
    uint16_t sym1 = kSymCentre;
    uint16_t sym2 = kSymCentre;
};

// Density = mean of the three channels (0..4095). Symmetry 1 compares left
// with right, symmetry 2 the centre with the mean of the sides; both are
// 500 + 500 * (a - b) / (a + b), so 0..1000 with 500 = symmetric (and 500
// when both sides are dark).
Derived deriveValues(const Intensities &in);

// Rows the sensor checks: paraMaxNr, at most 31, at most 5 in DIRECT modes.
std::size_t rowsChecked(const ParamSet &set);

// First checked row whose three tolerance bands all contain the values;
// 255 when none does or when the density is below paraIntlim.
uint16_t classifyVector(const ParamSet &set, const Derived &values);

// Noise-free intensities with the object centred at position x (-1 = far
// left, +1 = far right) or absent, at LED power 0..1000; channels that the
// channel mode does not connect read 0 (1 = centre only, 2 = left and
// right, any other code = all three).
Intensities targetIntensities(double x, bool present, uint16_t power, uint16_t channelMode);

class SensorModel {
public:
    explicit SensorModel(uint32_t seed = 1);

    // A fixed target: these exact intensities, no motion and no noise
    // (power is not applied). nullopt returns to the passing target.
    void setFixedTarget(std::optional<Intensities> target);
    std::optional<Intensities> fixedTarget() const { return fixed_; }

    void setTriggerInput(bool high) { in0_ = high; }
    bool triggerInput() const { return in0_; }

    // Takes one measurement at tMs (monotonic milliseconds of the
    // simulator) with the RAM set and returns data words 2..13. Updates the
    // 60 s maxima and the vector held for trigger mode EXT1.
    DataWords sample(int64_t tMs, const ParamSet &ram);

private:
    struct MaxBucket {
        int64_t second = -1;
        std::array<uint16_t, 3> max{};
    };
    static constexpr std::size_t kMaxBuckets = 60;   // one per second

    Intensities measure(int64_t tMs, const ParamSet &ram);
    void recordMaxima(int64_t tMs, const Intensities &in);
    std::array<uint16_t, 3> maxima(int64_t tMs) const;
    static uint16_t temperature(int64_t tMs);

    std::mt19937 rng_;
    std::optional<Intensities> fixed_;
    bool in0_ = false;
    uint16_t heldVector_ = kNoVector;
    std::array<MaxBucket, kMaxBuckets> buckets_{};
};

} // namespace sim
