// Comparing two pictures of the graph control for the eye's purposes.
#pragma once

#include <QImage>
#include <functional>

namespace graphtest {

// The pixels of `from` that match and have no matching pixel in `to` at
// or next to their place: 0 when both cover the same shape.
inline int strayPixels(const QImage &from, const QImage &to, const std::function<bool(QRgb)> &match)
{
    int stray = 0;
    for (int y = 1; y + 1 < from.height(); ++y)
        for (int x = 1; x + 1 < from.width(); ++x) {
            if (!match(from.pixel(x, y)))
                continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = match(to.pixel(x + dx, y + dy));
            stray += !near;
        }
    return stray;
}

}  // namespace graphtest
