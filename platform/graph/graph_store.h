// The plots of a graph, stored compactly: one 16-byte record per plot, the
// points of all plots in one flat array, and the few distinct styles in a
// table. A two-point segment thus costs 48 bytes, with no heap block of its
// own. Running extents make automatic scaling independent of the number of
// plots.
#pragma once

#include <QPointF>
#include <QRgb>
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

class PlotStore {
public:
    enum Flag : std::uint8_t { kRect = 1, kConnected = 2, kMarkers = 4, kDashed = 8 };
    // color and fill are QRgb; alpha 0 means "not drawn" (rectangles only).
    struct Style {
        QRgb color = 0;
        QRgb fill = 0;
        std::uint8_t flags = 0;
    };
    struct Rec {
        int handle;
        std::uint32_t first;  // index of the first point in the flat array
        std::uint32_t count;
        std::uint32_t style;  // index into the style table
    };

    // Adds a plot of n points (a rectangle: its two corners). Returns the new
    // handle (> 0, increasing), or UIEOutOfMemory when the store is full.
    int add(const double *x, const double *y, int n, const Style &style);
    // Removes one plot; 0, or UIEIndexOutOfRange for an unknown handle.
    // Recomputes the extents (linear in the number of points).
    int remove(int handle);
    void clear();

    std::size_t size() const { return recs_.size(); }
    const Rec &rec(std::size_t i) const { return recs_[i]; }
    const Style &style(const Rec &r) const { return styles_[r.style]; }
    const QPointF *points(const Rec &r) const { return pts_.data() + r.first; }
    const Extents &extents() const { return extents_; }
    // Position of the plot with this handle, or -1.
    long find(int handle) const;

private:
    std::uint32_t styleIndex(const Style &s);
    void recomputeExtents();

    std::vector<Rec> recs_;      // in handle order
    std::vector<QPointF> pts_;
    std::vector<Style> styles_;
    std::unordered_map<std::uint64_t, std::uint32_t> styleIds_;
    Extents extents_;
    int nextHandle_ = 1;
};

}  // namespace plat
