// The graph control. Finished plots live in a cached image at the device
// pixel ratio; a paint draws only the plots added since the last one onto
// it. The cache is rebuilt when size, scale, font, axis ranges or the set of
// plots (a deletion) change. Cursors and strip chart traces are cheap and
// are drawn over the cache on every paint.
#include "platform/graph/graph_widget.h"
#include "platform/graph/graph_widget_impl.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "platform/graph/graph_axis.h"
#include "platform/graph/graph_cursor.h"
#include "platform/graph/graph_frame.h"
#include "platform/graph/graph_paint.h"
#include "platform/graph/graph_store.h"
#include "platform/graph/graph_strip.h"
#include "platform/userint/userint.h"

namespace {

constexpr int kAxisY = VAL_LEFT_YAXIS;
constexpr int kAxisX = VAL_BOTTOM_XAXIS;
constexpr int kMaxCursors = 10;
constexpr int kGraphCursors = 1;       // a graph starts with cursor 1 (hidden until placed)
constexpr double kMinPointSize = 8.0;  // tick labels never get smaller than this
constexpr QRgb kTracePalette[] = {0xFF0000, 0x00A000, 0x0000FF, 0xFF8000,
                                  0xFF0080, 0x008080, 0x800080, 0x808000};

QRgb opaqueRgb(QRgb c)
{
    return qRgb(qRed(c), qGreen(c), qBlue(c));
}

}  // namespace

// The range an axis shows now: the manual one, or the automatic one from
// the data (the manual one while there is no data).
plat::AxisRange GraphWidget::Impl::range(Mode mode, int a) const
{
    if (mode == Mode::StripChart && a == kAxisX)
        return {0, double(strip.pointsPerScreen() - 1)};
    const Axis &ax = axis(a);
    if (ax.mode != VAL_AUTOSCALE)
        return ax.manual;
    double lo = 0, hi = 0;
    if (mode == Mode::StripChart) {
        if (!strip.extent(&lo, &hi))
            return ax.manual;
    } else {
        const plat::Extents e = extents();
        if (!e.any)
            return ax.manual;
        lo = a == kAxisX ? e.xlo : e.ylo;
        hi = a == kAxisX ? e.xhi : e.yhi;
    }
    return plat::autoscaleRange(lo, hi);
}

plat::Extents GraphWidget::Impl::extents() const
{
    plat::Extents e = store.extents();
    for (const plat::SeriesPlot &s : series) {
        if (!s.extents.any)
            continue;
        e.add(s.extents.xlo, s.extents.ylo);
        e.add(s.extents.xhi, s.extents.yhi);
    }
    return e;
}

GraphWidget::GraphWidget(Mode mode, QWidget *parent) : QWidget(parent), mode_(mode), d_(new Impl)
{
    d_->traceColors.resize(plat::StripData::kMaxTraces);
    for (std::size_t i = 0; i < d_->traceColors.size(); ++i)
        d_->traceColors[i] = opaqueRgb(kTracePalette[i % std::size(kTracePalette)]);
    d_->cursors.resize(mode == Mode::Graph ? kGraphCursors : 0);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

GraphWidget::~GraphWidget()
{
    delete d_;
}

// ---- axes -----------------------------------------------------------------

int GraphWidget::setAxisScaling(int axis, int mode, double min, double max)
{
    if (axis != kAxisX && axis != kAxisY)
        return UIEInvalidAttribute;
    Impl::Axis &ax = d_->axis(axis);
    const Impl::Axis before = ax;
    switch (mode) {
    case VAL_MANUAL:
        if (!plat::validRange(min, max))
            return UIEIndexOutOfRange;
        ax.manual = {min, max};
        break;
    case VAL_AUTOSCALE:
        // A valid range given along is what shows while there is no data.
        if (plat::validRange(min, max))
            ax.manual = {min, max};
        break;
    case VAL_LOCK:
        ax.manual = d_->range(mode_, axis);  // freeze what is shown now
        break;
    default:
        return UIEInvalidAttribute;
    }
    ax.mode = mode;
    d_->zoomed = false;  // the program's scaling is what a double click brings back
    // A frame that sets the same scaling again repaints nothing.
    if (ax.mode != before.mode || ax.manual != before.manual)
        update();
    return 0;
}

int GraphWidget::axisScaling(int axis, int *mode, double *min, double *max) const
{
    if (axis != kAxisX && axis != kAxisY)
        return UIEInvalidAttribute;
    const plat::AxisRange r = d_->range(mode_, axis);
    if (mode)
        *mode = d_->axis(axis).mode;
    if (min)
        *min = r.min;
    if (max)
        *max = r.max;
    return 0;
}

void GraphWidget::setAxisNames(const QString &xName, const QString &yName)
{
    d_->names.xName = xName;
    d_->names.yName = yName;
    d_->valid = false;
    update();
}

void GraphWidget::setTimeAxis(bool on)
{
    if (d_->names.xTime == on)
        return;
    d_->names.xTime = on;
    d_->valid = false;
    update();
}

bool GraphWidget::timeAxis() const
{
    return d_->names.xTime;
}

// ---- plots ----------------------------------------------------------------

int GraphWidget::addXY(const double *x, const double *y, int n, QRgb color, bool connected,
                       bool markers, bool dashed)
{
    if (mode_ != Mode::Graph)
        return UIEInvalidControlType;
    plat::PlotStore::Style s;
    s.color = opaqueRgb(color);
    s.flags = (connected ? plat::PlotStore::kConnected : 0) |
              (markers ? plat::PlotStore::kMarkers : 0) | (dashed ? plat::PlotStore::kDashed : 0);
    const int handle = d_->store.add(x, y, n, s);
    if (handle > 0)
        update();
    return handle;
}

int GraphWidget::addRect(double x1, double y1, double x2, double y2, QRgb color, QRgb fill)
{
    if (mode_ != Mode::Graph)
        return UIEInvalidControlType;
    const double x[2] = {x1, x2}, y[2] = {y1, y2};
    plat::PlotStore::Style s{color, fill, plat::PlotStore::kRect};
    const int handle = d_->store.add(x, y, 2, s);
    if (handle > 0)
        update();
    return handle;
}

int GraphWidget::addShared(plat::SharedSeries series, QRgb color)
{
    if (mode_ != Mode::Graph)
        return UIEInvalidControlType;
    if (!series.x || !series.y || series.n == 0 || !plat::seriesTypeKnown(series.yType))
        return UIEBadValueType;
    const int handle = d_->store.reserveHandle();
    if (handle < 0)
        return handle;
    try {
        const plat::SeriesPlot *sameX = nullptr;
        for (const plat::SeriesPlot &s : d_->series)
            if (s.data.x == series.x && s.data.n == series.n)
                sameX = &s;
        d_->series.push_back(
            plat::makeSeriesPlot(handle, std::move(series), opaqueRgb(color), sameX));
    } catch (const std::bad_alloc &) {
        return UIEOutOfMemory;
    }
    d_->valid = false;
    update();
    return handle;
}

int GraphWidget::setPlotLegend(int handle, const QString &text)
{
    const bool shared = std::any_of(d_->series.begin(), d_->series.end(),
                                    [handle](const plat::SeriesPlot &s) { return s.handle == handle; });
    if (!shared && !d_->store.styleOf(handle))
        return UIEIndexOutOfRange;
    if (text.isEmpty())
        d_->legends.erase(handle);
    else
        d_->legends[handle] = text;
    refreshLegend();
    return 0;
}

QString GraphWidget::plotLegend(int handle) const
{
    auto it = d_->legends.find(handle);
    return it == d_->legends.end() ? QString() : it->second;
}

// The legend entries of the plots that are still there.
void GraphWidget::refreshLegend()
{
    std::vector<plat::LegendEntry> entries;
    for (auto it = d_->legends.begin(); it != d_->legends.end();) {
        QRgb color = 0;
        bool found = false;
        for (const plat::SeriesPlot &s : d_->series)
            if (s.handle == it->first) {
                color = s.color;
                found = true;
            }
        if (const plat::PlotStore::Style *st = found ? nullptr : d_->store.styleOf(it->first)) {
            color = st->color;
            found = true;
        }
        if (!found) {
            it = d_->legends.erase(it);
            continue;
        }
        entries.push_back({it->second, color});
        ++it;
    }
    d_->names.legend = std::move(entries);
    d_->valid = false;
    update();
}

int GraphWidget::deletePlot(int handle, bool immediate)
{
    if (mode_ != Mode::Graph)
        return UIEInvalidControlType;
    auto shared = std::find_if(d_->series.begin(), d_->series.end(),
                               [handle](const plat::SeriesPlot &s) { return s.handle == handle; });
    if (handle == -1) {
        d_->store.clear();
        d_->series.clear();
    } else if (shared != d_->series.end()) {
        d_->series.erase(shared);
    } else {
        const int rc = d_->store.remove(handle);
        if (rc < 0)
            return rc;
    }
    if (!d_->legends.empty())
        refreshLegend();
    d_->valid = false;
    if (immediate)
        repaint();
    else
        update();
    return 0;
}

int GraphWidget::numPlots() const
{
    return static_cast<int>(d_->store.size() + d_->series.size());
}

std::vector<GraphWidget::Plot> GraphWidget::plots() const
{
    const plat::PlotStore &store = d_->store;
    std::vector<Plot> out;
    out.reserve(store.size());
    for (std::size_t i = 0; i < store.runCount(); ++i) {
        const plat::PlotStore::Run &r = store.run(i);
        const plat::PlotStore::Style &s = store.style(r);
        for (std::uint32_t j = 0; j < r.plots; ++j) {
            Plot p;
            p.handle = r.firstHandle + int(j);
            p.rect = s.flags & plat::PlotStore::kRect;
            const std::uint32_t first = plat::PlotStore::plotFirst(r, j);
            for (std::uint32_t k = 0; k < plat::PlotStore::plotPoints(r); ++k) {
                const QPointF pt = store.point(r, first + k);
                p.x.push_back(pt.x());
                p.y.push_back(pt.y());
            }
            p.color = s.color;
            p.fill = s.fill;
            p.connected = s.flags & plat::PlotStore::kConnected;
            p.markers = s.flags & plat::PlotStore::kMarkers;
            p.dashed = s.flags & plat::PlotStore::kDashed;
            out.push_back(std::move(p));
        }
    }
    for (const plat::SeriesPlot &s : d_->series) {
        Plot p;
        p.handle = s.handle;
        for (std::size_t i = 0; i < s.data.n; ++i) {
            p.x.push_back(s.data.x[i]);
            p.y.push_back(plat::seriesY(s.data, i));
        }
        p.color = s.color;
        out.push_back(std::move(p));
    }
    std::sort(out.begin(), out.end(), [](const Plot &a, const Plot &b) { return a.handle < b.handle; });
    return out;
}

// ---- cursors --------------------------------------------------------------

void GraphWidget::setNumCursors(int n)
{
    n = std::clamp(n, 0, kMaxCursors);
    if (n == numCursors())
        return;
    d_->cursors.resize(n);
    update();
}

int GraphWidget::numCursors() const
{
    return static_cast<int>(d_->cursors.size());
}

int GraphWidget::setCursor(int number, double x, double y)
{
    if (number < 1 || number > numCursors())
        return UIEIndexOutOfRange;
    if (!std::isfinite(x) || !std::isfinite(y))
        return UIEBadValueType;
    Impl::Cursor &c = d_->cursors[number - 1];
    if (c.placed && c.x == x && c.y == y)
        return 0;
    // A cursor that moves repaints where it was and where it goes; the
    // frame is the one of the last paint, so the rest waits for a full one.
    if (c.placed && d_->valid && d_->cacheSize == size())
        update(plat::cursorRegion(d_->frame, c.x, c.y) + plat::cursorRegion(d_->frame, x, y));
    else
        update();
    c = {x, y, true};
    return 0;
}

int GraphWidget::cursor(int number, double *x, double *y) const
{
    if (number < 1 || number > numCursors())
        return UIEIndexOutOfRange;
    if (x)
        *x = d_->cursors[number - 1].x;
    if (y)
        *y = d_->cursors[number - 1].y;
    return 0;
}

// ---- strip chart ----------------------------------------------------------

void GraphWidget::setNumTraces(int n)
{
    const int before = numTraces();
    d_->strip.setTraces(n);
    if (numTraces() != before)
        update();
}

int GraphWidget::numTraces() const
{
    return d_->strip.traces();
}

void GraphWidget::setPointsPerScreen(int n)
{
    const int before = pointsPerScreen();
    d_->strip.setPointsPerScreen(n);
    if (pointsPerScreen() != before)
        update();
}

int GraphWidget::pointsPerScreen() const
{
    return d_->strip.pointsPerScreen();
}

void GraphWidget::setTraceColor(int trace, QRgb color)
{
    if (trace < 0 || trace >= static_cast<int>(d_->traceColors.size()))
        return;
    if (d_->traceColors[trace] == opaqueRgb(color))
        return;
    d_->traceColors[trace] = opaqueRgb(color);
    update();
}

void GraphWidget::appendStrip(const double *values, int count)
{
    if (mode_ != Mode::StripChart)
        return;
    // Values that only repeat what is on screen leave the picture as it is.
    const std::vector<double> before = d_->strip.screen();
    d_->strip.append(values, count);
    const std::vector<double> after = d_->strip.screen();
    if (before.size() == after.size()
        && std::memcmp(before.data(), after.data(), before.size() * sizeof(double)) == 0)
        return;
    // New traces in the frame of the last paint repaint only the plot area;
    // a frame that changes with them (automatic scaling) repaints it all.
    const Impl &d = *d_;
    if (d.valid && d.cacheSize == size() && d.frame.x == d.range(mode_, kAxisX) &&
        d.frame.y == d.range(mode_, kAxisY))
        update(plat::traceArea(d.frame));
    else
        update();
}

void GraphWidget::clearStrip()
{
    d_->strip.clear();
    update();
}

std::vector<double> GraphWidget::traceValues(int trace) const
{
    return d_->strip.values(trace);
}

// ---- painting -------------------------------------------------------------

// Brings the cache up to date: a full rebuild when what it was drawn for has
// changed, else only the plots added since.
void GraphWidget::refreshCache()
{
    Impl &d = *d_;
    const qreal dpr = devicePixelRatioF();
    const plat::AxisRange rx = d.range(mode_, kAxisX), ry = d.range(mode_, kAxisY);
    QFont f = font();
    if (f.pointSizeF() > 0 && f.pointSizeF() < kMinPointSize)
        f.setPointSizeF(kMinPointSize);
    const QColor bg = palette().color(QPalette::Window);
    if (!d.valid || d.cacheSize != size() || d.cacheDpr != dpr || d.frame.x != rx ||
        d.frame.y != ry || d.cacheFont != f || d.cacheBg != bg) {
        const QSize px(qCeil(width() * dpr), qCeil(height() * dpr));
        // An opaque cache is copied onto the window, not blended.
        const QImage::Format format =
            bg.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
        if (d.cache.size() != px || d.cache.format() != format)
            d.cache = QImage(px, format);
        d.cache.setDevicePixelRatio(dpr);
        d.frame = plat::layoutFrame(size(), f, rx, ry, d.names);
        QPainter p(&d.cache);
        plat::drawFrame(p, d.frame, size(), f, d.names, bg);
        for (const plat::SeriesPlot &s : d.series)
            plat::drawSeries(p, d.frame, s);
        d.drawn = 0;
        d.valid = true;
        d.cacheSize = size();
        d.cacheDpr = dpr;
        d.cacheFont = f;
        d.cacheBg = bg;
    }
    if (mode_ == Mode::Graph && d.drawn < d.store.size()) {
        QPainter p(&d.cache);
        plat::drawPlots(p, d.frame, d.store, d.drawn, d.store.size());
        d.drawn = d.store.size();
    }
}

void GraphWidget::paintEvent(QPaintEvent *event)
{
    if (width() <= 0 || height() <= 0)
        return;
    try {
        refreshCache();
    } catch (const std::bad_alloc &) {
        d_->valid = false;
        return;
    }
    QPainter p(this);
    // One rectangle at a time: the cache is then copied row by row, where a
    // region of several (a moved cursor's) would have it blended span by
    // span and handed to worker threads, which costs more than the copy.
    for (const QRect &r : event->region()) {
        p.setClipRect(r);
        p.drawImage(QPointF(0, 0), d_->cache);
    }
    p.setClipping(false);
    if (mode_ == Mode::StripChart) {
        plat::drawTraces(p, d_->frame, d_->strip, d_->traceColors);
        return;
    }
    for (const Impl::Cursor &c : d_->cursors)
        if (c.placed)
            plat::drawCursor(p, d_->frame, c.x, c.y, d_->cursorArt);
}

// The cache notices a new size itself. (A hidden widget gets a resize event
// at every grab; dropping the cache there would redraw every plot each time.)
void GraphWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}
