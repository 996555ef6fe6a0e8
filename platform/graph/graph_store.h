// The plots of a graph, stored compactly. Plots with consecutive handles
// whose points lie one after the other form a run; two-point segments that
// each start where the one before ended (the graph panel adds one per
// recorded frame) share their joint, so such a segment costs one point.
// Points that a float holds exactly are kept as floats (8 bytes), others
// as doubles. Points live in fixed-size blocks, so growing never copies
// and leaves at most one block partly used. A segment of a long recording
// thus costs about 8 bytes. Running extents make automatic scaling
// independent of the number of plots.
#pragma once

#include <QPointF>
#include <QRgb>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace plat {

// The finite data extents of a set of points.
struct Extents {
    double xlo = 0, xhi = 0, ylo = 0, yhi = 0;
    bool any = false;
    void add(double x, double y);
};

// An array in blocks of kBlock elements; the first block grows as a
// vector does, every later one is allocated whole.
template <typename T> class BlockArray {
public:
    static constexpr std::size_t kBlock = 4096;

    void push(const T &v)
    {
        if (blocks_.empty() || blocks_.back().size() == kBlock) {
            blocks_.emplace_back();
            if (blocks_.size() > 1)
                blocks_.back().reserve(kBlock);
        }
        blocks_.back().push_back(v);
        ++size_;
    }
    const T &operator[](std::size_t i) const { return blocks_[i / kBlock][i % kBlock]; }
    // Calls f for elements [i, i + n) in order, a block at a time.
    template <typename F> void forRange(std::size_t i, std::size_t n, F &&f) const
    {
        while (n > 0) {
            const T *block = blocks_[i / kBlock].data();
            const std::size_t at = i % kBlock, take = std::min(n, kBlock - at);
            for (const T *p = block + at, *end = p + take; p != end; ++p)
                f(*p);
            i += take;
            n -= take;
        }
    }
    std::size_t size() const { return size_; }
    // Drops the elements from n on (n <= size()).
    void truncate(std::size_t n)
    {
        blocks_.resize((n + kBlock - 1) / kBlock);
        if (!blocks_.empty())
            blocks_.back().resize(n - (blocks_.size() - 1) * kBlock);
        size_ = n;
    }
    void clear()
    {
        blocks_.clear();
        blocks_.shrink_to_fit();
        size_ = 0;
    }

private:
    std::vector<std::vector<T>> blocks_;
    std::size_t size_ = 0;
};

class PlotStore {
public:
    enum Flag : std::uint8_t { kRect = 1, kConnected = 2, kMarkers = 4, kDashed = 8 };
    // color and fill are QRgb; alpha 0 means "not drawn" (rectangles only).
    struct Style {
        QRgb color = 0;
        QRgb fill = 0;
        std::uint8_t flags = 0;
    };
    // A chain holds `plots` segments: its plot j runs from point j to point
    // j + 1. Any other run is one plot of `points` points.
    struct Run {
        int firstHandle;
        std::uint32_t firstPlot;  // index of its first plot among all plots
        std::uint32_t first;      // index of its first point in its pool
        std::uint32_t points;
        std::uint32_t plots;
        std::uint32_t style;      // index into the style table
        bool narrow;              // points in the float pool
        bool chain;
    };

    // Adds a plot of n points (a rectangle: its two corners). Returns the new
    // handle (> 0, increasing), or UIEOutOfMemory when the store is full.
    int add(const double *x, const double *y, int n, const Style &style);
    // A handle for a plot kept outside the store, from the same count, so
    // handles stay unique and increasing; UIEOutOfMemory when none is left.
    int reserveHandle();
    // Removes one plot; 0, or UIEIndexOutOfRange for an unknown handle.
    // Rebuilds the store (linear in the number of points).
    int remove(int handle);
    void clear();
    // The style of a plot, or nullptr for an unknown handle.
    const Style *styleOf(int handle) const;

    std::size_t size() const { return plots_; }  // plots, not runs
    std::size_t runCount() const { return runs_.size(); }
    const Run &run(std::size_t i) const { return runs_[i]; }
    // The run holding plot number `plot` (< size()).
    std::size_t runOfPlot(std::size_t plot) const;
    const Style &style(const Run &r) const { return styles_[r.style]; }
    QPointF point(const Run &r, std::uint32_t k) const
    {
        if (r.narrow) {
            const Narrow &p = narrow_[r.first + k];
            return {p.x, p.y};
        }
        return wide_[r.first + k];
    }
    // Calls f(QPointF) for points [k, k + n) of run r, in order.
    template <typename F> void forPoints(const Run &r, std::uint32_t k, std::uint32_t n, F &&f) const
    {
        if (r.narrow)
            narrow_.forRange(r.first + k, n, [&f](const Narrow &p) { f(QPointF(p.x, p.y)); });
        else
            wide_.forRange(r.first + k, n, f);
    }
    // First point and number of points of plot j of run r.
    static std::uint32_t plotFirst(const Run &r, std::uint32_t j) { return r.chain ? j : 0; }
    static std::uint32_t plotPoints(const Run &r) { return r.chain ? 2 : r.points; }
    const Extents &extents() const { return extents_; }

private:
    struct Narrow {
        float x, y;
    };
    std::uint32_t styleIndex(const Style &s);
    int put(int handle, const double *x, const double *y, int n, std::uint32_t style);
    bool extendsLastRun(int handle, const double *x, const double *y, int n, std::uint32_t style,
                        bool narrow) const;

    std::vector<Run> runs_;  // in handle order
    BlockArray<Narrow> narrow_;
    BlockArray<QPointF> wide_;
    std::vector<Style> styles_;
    std::unordered_map<std::uint64_t, std::uint32_t> styleIds_;
    Extents extents_;
    std::size_t plots_ = 0;
    int nextHandle_ = 1;
};

}  // namespace plat
