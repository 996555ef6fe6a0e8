// Drawing of plots, traces and cursors.
#include "platform/graph/graph_paint.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plat {

namespace {

constexpr double kLineWidth = 1.0;     // plots and traces, logical px
constexpr double kMarkerSize = 5.0;    // solid square point marker
constexpr double kDotSize = 2.0;       // a zero-length segment shows as a dot
// Lines may stray this far outside the plot area, so a line on the edge
// keeps its full width.
constexpr double kClipSlack = 1.0;
// Longer polylines are drawn in pieces: the stroker's cost grows faster
// than linearly with the number of points.
constexpr int kMaxRunPoints = 64;
// A pixel column with more points of one polyline than this is thinned.
constexpr int kColumnKeep = 4;

QColor opaque(QRgb c)
{
    return QColor(qRed(c), qGreen(c), qBlue(c));
}

// Moves a coordinate onto the device pixel grid where a line of the plot
// pen is sharp: on pixel centres for an odd device width, on pixel edges
// for an even one. Flat and upright lines then stay crisp at every scale.
double snapLine(double v, double dpr)
{
    const bool odd = std::lround(kLineWidth * dpr) % 2 == 1;
    const double d = v * dpr;
    return (odd ? std::floor(d) + 0.5 : std::round(d)) / dpr;
}

// A coordinate on the nearest device pixel edge (filled areas).
double snapEdge(double v, double dpr)
{
    return std::round(v * dpr) / dpr;
}

// Thins a polyline where many of its points fall into one device pixel
// column (100,000 segments across a few hundred pixels): such a column gets
// a bar from its lowest to its highest point, which covers what the zigzag
// between them would, and the line is cut there: it ends at the column's
// first point and goes on from its last. Filling a bar is far cheaper than
// stroking many tall, overlapping segments. out receives the pieces one
// after the other, starts the index of each piece's first point.
void thinColumns(const QPointF *in, int n, double dpr, std::vector<QPointF> &out,
                 std::vector<int> &starts, std::vector<QRectF> &bars)
{
    out.clear();
    starts.assign(1, 0);
    int i = 0;
    while (i < n) {
        const double column = std::floor(in[i].x() * dpr);
        int j = i + 1;
        while (j < n && std::floor(in[j].x() * dpr) == column)
            ++j;
        if (j - i <= kColumnKeep) {
            out.insert(out.end(), in + i, in + j);
        } else {
            double lo = in[i].y(), hi = lo;
            for (int k = i + 1; k < j; ++k) {
                lo = std::min(lo, in[k].y());
                hi = std::max(hi, in[k].y());
            }
            // What the pen would cover: the column widened by half the pen
            // width on each side, the height likewise.
            const double h = kLineWidth / 2;
            bars.emplace_back(QPointF(column / dpr - h, lo - h),
                              QPointF((column + 1) / dpr + h, hi + h));
            out.push_back(in[i]);
            starts.push_back(int(out.size()));
            out.push_back(in[j - 1]);
        }
        i = j;
    }
    starts.push_back(int(out.size()));
}

// Collects the visible pieces of plots of one style and draws them in few
// calls. Segments that continue one another (the next starts where the last
// ended, as the graph panel's two-point plots do) join into one polyline, so
// joints and dash patterns look as in a single line.
struct Batch {
    double dpr = 1;
    std::vector<QPointF> runPts;  // the polylines, one after the other
    std::vector<int> runStarts;   // index of each polyline's first point
    std::vector<QPointF> thinned;
    std::vector<int> pieces;
    std::vector<QRectF> bars;
    std::vector<QRectF> marks;
    std::vector<QPointF> dots;

    void addPlot(const GraphFrame &f, const QRectF &clip, const QPointF *pts, std::uint32_t n,
                 std::uint8_t flags)
    {
        QPointF prev;
        for (std::uint32_t i = 0; i < n; ++i) {
            const QPointF cur = f.map(pts[i].x(), pts[i].y());
            if ((flags & PlotStore::kMarkers) && clip.contains(cur))
                marks.emplace_back(QPointF(snapEdge(cur.x() - kMarkerSize / 2, dpr),
                                           snapEdge(cur.y() - kMarkerSize / 2, dpr)),
                                   QSizeF(kMarkerSize, kMarkerSize));
            if ((flags & PlotStore::kConnected) && i > 0)
                addSegment(clip, prev, cur);
            prev = cur;
        }
        // A connected plot of one point is a dot.
        if ((flags & PlotStore::kConnected) && n == 1 && clip.contains(prev))
            dots.push_back(prev);
    }

    // Flat and upright segments go onto the pixel grid so they stay sharp;
    // slanted ones keep their exact ends (snapping them makes curves wobble).
    void addSegment(const QRectF &clip, QPointF a, QPointF b)
    {
        if (a == b) {
            if (clip.contains(a))
                dots.push_back(a);
            return;
        }
        if (a.y() == b.y()) {
            a.setY(snapLine(a.y(), dpr));
            b.setY(a.y());
        } else if (a.x() == b.x()) {
            a.setX(snapLine(a.x(), dpr));
            b.setX(a.x());
        }
        if (!clipSegment(clip, a, b))
            return;
        const bool continues = !runStarts.empty() && runPts.back() == a;
        // A flat segment that goes on in the same direction as a flat last
        // one lengthens it: a constant trace is then one line, not a hundred.
        if (continues && runPts.size() - runStarts.back() >= 2) {
            const QPointF before = runPts[runPts.size() - 2];
            if (before.y() == a.y() && b.y() == a.y() && (before.x() < a.x()) == (a.x() < b.x())) {
                runPts.back() = b;
                return;
            }
        }
        if (!continues) {
            runStarts.push_back(int(runPts.size()));
            runPts.push_back(a);
        }
        runPts.push_back(b);
    }

    void flush(QPainter &p, const PlotStore::Style &s)
    {
        const QColor c = opaque(s.color);
        if (!runStarts.empty()) {
            QPen pen(c, kLineWidth);
            pen.setStyle((s.flags & PlotStore::kDashed) ? Qt::DashLine : Qt::SolidLine);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            runStarts.push_back(int(runPts.size()));
            for (std::size_t r = 0; r + 1 < runStarts.size(); ++r) {
                thinColumns(runPts.data() + runStarts[r], runStarts[r + 1] - runStarts[r], dpr,
                            thinned, pieces, bars);
                for (std::size_t q = 0; q + 1 < pieces.size(); ++q) {
                    const int end = pieces[q + 1];
                    for (int k = pieces[q]; k + 1 < end; k += kMaxRunPoints - 1)
                        p.drawPolyline(thinned.data() + k, std::min(kMaxRunPoints, end - k));
                }
            }
        }
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        if (!bars.empty())
            p.drawRects(bars.data(), static_cast<int>(bars.size()));
        for (const QPointF &d : dots)
            p.drawRect(QRectF(d.x() - kDotSize / 2, d.y() - kDotSize / 2, kDotSize, kDotSize));
        if (!marks.empty())
            p.drawRects(marks.data(), static_cast<int>(marks.size()));
        p.setBrush(Qt::NoBrush);
        runPts.clear();
        runStarts.clear();
        bars.clear();
        marks.clear();
        dots.clear();
    }
};

void drawRect(QPainter &p, const GraphFrame &f, const QPointF *pts, const PlotStore::Style &s)
{
    const double dpr = p.device()->devicePixelRatioF();
    const QPointF a = f.map(pts[0].x(), pts[0].y());
    const QPointF b = f.map(pts[1].x(), pts[1].y());
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y()))
        return;
    // Cut to just beyond the plot area first: the raster engine cannot take
    // huge coordinates, and a cut side's frame then falls outside the clip.
    constexpr double kBeyond = 3;
    // (By hand: QRectF::intersected drops a rectangle of zero width, which
    // must still show as a line.)
    const QRectF cut = f.plot.adjusted(-kBeyond, -kBeyond, kBeyond, kBeyond);
    const double left = std::max(std::min(a.x(), b.x()), cut.left());
    const double right = std::min(std::max(a.x(), b.x()), cut.right());
    const double top = std::max(std::min(a.y(), b.y()), cut.top());
    const double bottom = std::min(std::max(a.y(), b.y()), cut.bottom());
    if (left > right || top > bottom)
        return;
    const QRectF r(QPointF(snapEdge(left, dpr), snapEdge(top, dpr)),
                   QPointF(snapEdge(right, dpr), snapEdge(bottom, dpr)));
    p.save();
    p.setClipRect(f.plot);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (qAlpha(s.fill) != 0)
        p.fillRect(r, opaque(s.fill));
    if (qAlpha(s.color) != 0) {
        // The frame lies inside the rectangle's edge.
        const double h = kLineWidth / 2;
        p.setPen(QPen(opaque(s.color), kLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        if (r.width() <= kLineWidth || r.height() <= kLineWidth)
            p.fillRect(r.adjusted(0, 0, r.width() == 0 ? kLineWidth : 0,
                                  r.height() == 0 ? kLineWidth : 0), opaque(s.color));
        else
            p.drawRect(r.adjusted(h, h, -h, -h));
    }
    p.restore();
}

// Feeds one polyline to a batch in pieces of at most kFeedPoints points.
// Where more than kColumnKeep points in a row fall into one device pixel
// column, only the first, the lowest, the highest and the last of them go
// on, in their order: the line through those covers the pixels the line
// through all of them would. A chain of a million segments thus costs the
// batch a few points per column, and the curve looks the same.
class ColumnFeed {
public:
    ColumnFeed(Batch &batch, const GraphFrame &f, const QRectF &clip, std::uint8_t flags)
        : batch_(batch), f_(f), clip_(clip), flags_(flags),
          reduce_((flags & (PlotStore::kConnected | PlotStore::kMarkers)) == PlotStore::kConnected),
          scale_(f.plot.width() / (f.x.max - f.x.min) * batch.dpr), left_(f.plot.left() * batch.dpr)
    {
    }

    void push(QPointF p)
    {
        if (!reduce_) {
            take(p);
            return;
        }
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
            closeGroup();
            take(p);
            return;
        }
        const double column = std::floor(left_ + (p.x() - f_.x.min) * scale_);
        if (count_ > 0 && column != column_)
            closeGroup();
        if (count_ == 0) {
            column_ = column;
            loPt_ = hiPt_ = p;
            loAt_ = hiAt_ = 0;
        } else if (p.y() < loPt_.y()) {
            loPt_ = p;
            loAt_ = count_;
        } else if (p.y() > hiPt_.y()) {
            hiPt_ = p;
            hiAt_ = count_;
        }
        if (count_ < kColumnKeep)
            keep_[count_] = p;
        last_ = p;
        ++count_;
    }

    void finish()
    {
        closeGroup();
        // A single point left over from the last piece is drawn already.
        if (out_.size() > 1 || (out_.size() == 1 && pieces_ == 0))
            batch_.addPlot(f_, clip_, out_.data(), std::uint32_t(out_.size()), flags_);
        out_.clear();
        pieces_ = 0;
    }

private:
    static constexpr std::size_t kFeedPoints = 4096;

    void closeGroup()
    {
        if (count_ <= kColumnKeep) {
            for (int i = 0; i < count_; ++i)
                take(keep_[i]);
        } else {
            take(keep_[0]);
            const bool loFirst = loAt_ < hiAt_;
            const QPointF mid[2] = {loFirst ? loPt_ : hiPt_, loFirst ? hiPt_ : loPt_};
            const int at[2] = {loFirst ? loAt_ : hiAt_, loFirst ? hiAt_ : loAt_};
            for (int i = 0; i < 2; ++i)
                if (at[i] != 0 && at[i] != count_ - 1)
                    take(mid[i]);
            take(last_);
        }
        count_ = 0;
    }

    void take(QPointF p)
    {
        out_.push_back(p);
        if (out_.size() < kFeedPoints)
            return;
        batch_.addPlot(f_, clip_, out_.data(), std::uint32_t(out_.size()), flags_);
        // The next piece starts where this one ended, so the batch joins them.
        const QPointF end = out_.back();
        out_.assign(1, end);
        ++pieces_;
    }

    Batch &batch_;
    const GraphFrame &f_;
    QRectF clip_;
    std::uint8_t flags_;
    bool reduce_;
    double scale_;  // device pixels per x unit
    double left_;   // device x of the plot area's left edge
    std::vector<QPointF> out_;
    int pieces_ = 0;
    // The run of points in the current column.
    double column_ = 0;
    int count_ = 0;
    QPointF keep_[kColumnKeep];     // its first points
    QPointF loPt_, hiPt_, last_;  // its lowest, highest and last point
    int loAt_ = 0, hiAt_ = 0;     // where in the run the lowest and highest are
};

// Readies the painter (saved by the caller) and batch for lines in the
// plot area of f; returns the clip they are drawn within.
QRectF beginLines(QPainter &p, const GraphFrame &f, Batch &batch)
{
    const QRectF clip = f.plot.adjusted(-kClipSlack, -kClipSlack, kClipSlack, kClipSlack);
    p.setClipRect(clip);
    p.setRenderHint(QPainter::Antialiasing, true);
    batch.dpr = p.device()->devicePixelRatioF();
    return clip;
}

}  // namespace

bool clipSegment(const QRectF &r, QPointF &a, QPointF &b)
{
    // Most segments lie wholly inside (a comparison with NaN fails, so both
    // ends are finite then).
    auto inside = [&r](QPointF p) {
        return p.x() >= r.left() && p.x() <= r.right() && p.y() >= r.top() && p.y() <= r.bottom();
    };
    if (inside(a) && inside(b))
        return true;
    const double x0 = a.x(), y0 = a.y();
    const double dx = b.x() - x0, dy = b.y() - y0;
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(dx) || !std::isfinite(dy))
        return false;
    // Edges: left, right, top, bottom. p < 0 where the segment enters.
    const double pe[4] = {-dx, dx, -dy, dy};
    const double qe[4] = {x0 - r.left(), r.right() - x0, y0 - r.top(), r.bottom() - y0};
    double t0 = 0, t1 = 1;
    int in = -1, out = -1;  // the edges the visible part starts and ends on
    for (int e = 0; e < 4; ++e) {
        if (pe[e] == 0) {
            if (qe[e] < 0)
                return false;
            continue;
        }
        const double t = qe[e] / pe[e];
        if (pe[e] < 0 && t > t0) {
            t0 = t;
            in = e;
        } else if (pe[e] > 0 && t < t1) {
            t1 = t;
            out = e;
        }
    }
    if (t0 > t1)
        return false;
    // A point on an edge takes that edge's coordinate exactly and the other
    // one from the slope: interpolating from a far-away end would lose all
    // precision (a line from -1e300 to 1e300).
    auto onEdge = [&](int e) {
        const double edge[4] = {r.left(), r.right(), r.top(), r.bottom()};
        QPointF p = e < 2 ? QPointF(edge[e], y0 + (edge[e] - x0) * (dy / dx))
                          : QPointF(x0 + (edge[e] - y0) * (dx / dy), edge[e]);
        return QPointF(std::clamp(p.x(), r.left(), r.right()),
                       std::clamp(p.y(), r.top(), r.bottom()));
    };
    const QPointF start = in < 0 ? a : onEdge(in);
    const QPointF end = out < 0 ? b : onEdge(out);
    a = start;
    b = end;
    return true;
}

void drawPlots(QPainter &p, const GraphFrame &f, const PlotStore &store, std::size_t from,
               std::size_t to)
{
    to = std::min(to, store.size());
    if (from >= to)
        return;
    p.save();
    Batch batch;
    const QRectF clip = beginLines(p, f, batch);
    const PlotStore::Style *open = nullptr;  // style of the collected pieces
    for (std::size_t i = store.runOfPlot(from); i < store.runCount(); ++i) {
        const PlotStore::Run &r = store.run(i);
        if (r.firstPlot >= to)
            break;
        const PlotStore::Style &s = store.style(r);
        if (open && open != &s) {
            batch.flush(p, *open);
            open = nullptr;
        }
        if (s.flags & PlotStore::kRect) {
            const QPointF corners[2] = {store.point(r, 0), store.point(r, 1)};
            drawRect(p, f, corners, s);
            continue;
        }
        // The plots [a, b) of this run that are asked for; a chain's plot j
        // is its points j and j + 1.
        const auto a = std::uint32_t(std::max<std::size_t>(from, r.firstPlot) - r.firstPlot);
        const auto b =
            std::uint32_t(std::min<std::size_t>(to, r.firstPlot + r.plots) - r.firstPlot);
        const std::uint32_t first = r.chain ? a : 0, count = r.chain ? b - a + 1 : r.points;
        ColumnFeed feed(batch, f, clip, s.flags);
        store.forPoints(r, first, count, [&feed](QPointF pt) { feed.push(pt); });
        feed.finish();
        open = &s;
    }
    if (open)
        batch.flush(p, *open);
    p.restore();
}

void drawSeries(QPainter &p, const GraphFrame &f, const SeriesPlot &s)
{
    if (s.data.n == 0)
        return;
    p.save();
    Batch batch;
    const QRectF clip = beginLines(p, f, batch);
    if (s.ascending) {
        std::size_t first = 0, last = 0;
        visibleSpan(s.data.x, s.data.n, f.x.min, f.x.max, &first, &last);
        ReducedLine line;
        reduceColumns(s, first, last, f, batch.dpr, kLineWidth, line);
        line.starts.push_back(line.points.size());
        for (std::size_t k = 0; k + 1 < line.starts.size(); ++k)
            batch.addPlot(f, clip, line.points.data() + line.starts[k],
                          std::uint32_t(line.starts[k + 1] - line.starts[k]), PlotStore::kConnected);
        batch.bars.insert(batch.bars.end(), line.bars.begin(), line.bars.end());
    } else {
        ColumnFeed feed(batch, f, clip, PlotStore::kConnected);
        for (std::size_t i = 0; i < s.data.n; ++i)
            feed.push(QPointF(s.data.x[i], seriesY(s.data, i)));
        feed.finish();
    }
    PlotStore::Style style;
    style.color = s.color;
    style.flags = PlotStore::kConnected;
    batch.flush(p, style);
    p.restore();
}

QRect traceArea(const GraphFrame &f)
{
    return f.plot.adjusted(-kClipSlack, -kClipSlack, kClipSlack, kClipSlack).toAlignedRect();
}

void drawTraces(QPainter &p, const GraphFrame &f, const StripData &strip,
                const std::vector<QRgb> &colors)
{
    p.save();
    Batch batch;
    const QRectF clip = beginLines(p, f, batch);
    std::vector<QPointF> pts;
    for (int t = 0; t < strip.traces(); ++t) {
        pts.clear();
        for (int i = 0; i < strip.count(t); ++i)
            pts.emplace_back(i, strip.at(t, i));
        batch.addPlot(f, clip, pts.data(), static_cast<std::uint32_t>(pts.size()),
                      PlotStore::kConnected);
        PlotStore::Style s;
        s.color = t < static_cast<int>(colors.size()) ? colors[t] : 0;
        batch.flush(p, s);
    }
    p.restore();
}

}  // namespace plat
