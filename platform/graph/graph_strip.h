// The data of a strip chart: one ring buffer per trace holding the points
// on screen, so appending costs the same however long the chart has run.
#pragma once

#include <cstddef>
#include <vector>

namespace plat {

class StripData {
public:
    static constexpr int kMaxTraces = 64;
    static constexpr int kMaxPointsPerScreen = 100000;

    StripData();
    // Both keep what fits: existing traces and their newest points stay.
    // Values are clamped to 1..kMaxTraces and 2..kMaxPointsPerScreen.
    void setTraces(int n);
    void setPointsPerScreen(int n);
    int traces() const { return static_cast<int>(rings_.size()); }
    int pointsPerScreen() const { return pps_; }

    // Hands values to the traces in turn (0, 1, .., n-1, 0, ..). A count
    // that is not a multiple of the trace count leaves the turn where it
    // stopped, so the next call carries on with the following trace.
    void append(const double *values, int count);
    void clear();

    // Points of a trace on screen, and point i (0 = oldest). trace and i
    // must be in range.
    int count(int trace) const { return rings_[trace].count; }
    double at(int trace, int i) const;
    std::vector<double> values(int trace) const;
    // Everything on screen, every trace's count followed by its points: two
    // equal screens draw the same picture.
    std::vector<double> screen() const;
    // Finite extent of every point on screen; false when there is none.
    bool extent(double *lo, double *hi) const;

private:
    struct Ring {
        std::vector<double> v;  // pps_ slots
        int head = 0;           // slot of the oldest point once full
        int count = 0;
    };
    void resizeRing(Ring &r, int pps);

    std::vector<Ring> rings_;
    int pps_;
    int turn_ = 0;  // trace that receives the next value
};

}  // namespace plat
