// The graph control really paints: plots, rectangles, traces and cursors
// appear in a grab where their coordinates put them, and nowhere else; the
// cached drawing matches a drawing from scratch.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "picture_match.h"
#include "platform/graph/graph_widget.h"
#include "platform/userint/userint.h"

namespace {

using Mode = GraphWidget::Mode;
using Pred = std::function<bool(QRgb)>;

constexpr int kW = 400, kH = 300;

struct Blob {
    int count = 0;
    QRect box;
};

// Pixels that match, and their bounding box, in logical coordinates.
Blob find(const QImage &img, const Pred &match)
{
    Blob b;
    const qreal dpr = img.devicePixelRatio();
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (match(img.pixel(x, y))) {
                ++b.count;
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    if (b.count)
        b.box = QRect(QPoint(int(x0 / dpr), int(y0 / dpr)), QPoint(int(x1 / dpr), int(y1 / dpr)));
    return b;
}

// A pixel of roughly this pure colour (antialiased edges count too).
Pred hue(QRgb c)
{
    return [c](QRgb p) {
        const int dr = qRed(p) - qRed(c), dg = qGreen(p) - qGreen(c), db = qBlue(p) - qBlue(c);
        return std::abs(dr) < 40 && std::abs(dg) < 40 && std::abs(db) < 40;
    };
}

// Red, green or blue clearly stronger than the other two (lines on white).
Pred dominant(int channel)
{
    return [channel](QRgb p) {
        const int v[3] = {qRed(p), qGreen(p), qBlue(p)};
        const int others = std::max(v[(channel + 1) % 3], v[(channel + 2) % 3]);
        return v[channel] - others > 100;
    };
}

// The column holding the most matching pixels.
int fullestColumn(const QImage &img, const Pred &match)
{
    int best = -1, bestCount = 0;
    for (int x = 0; x < img.width(); ++x) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            n += match(img.pixel(x, y));
        if (n > bestCount) {
            bestCount = n;
            best = x;
        }
    }
    return int(best / img.devicePixelRatio());
}

QImage grabImage(GraphWidget &g)
{
    return g.grab().toImage();
}

void manual(GraphWidget &g, double x0, double x1, double y0, double y1)
{
    ASSERT_EQ(g.setAxisScaling(VAL_BOTTOM_XAXIS, VAL_MANUAL, x0, x1), 0);
    ASSERT_EQ(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, y0, y1), 0);
}

int segment(GraphWidget &g, double x0, double y0, double x1, double y1, QRgb c)
{
    const double x[2] = {x0, x1}, y[2] = {y0, y1};
    return g.addXY(x, y, 2, c, true, false, false);
}

}  // namespace

TEST(GraphPaint, LinesAppearWhereTheirCoordinatesPutThem)
{
    GraphWidget g(Mode::Graph);
    g.resize(kW, kH);
    manual(g, 0, 10, 0, 10);
    ASSERT_EQ(find(grabImage(g), dominant(0)).count, 0);

    segment(g, 2, 5, 8, 5, 0xFF0000);  // horizontal, middle height
    segment(g, 5, 0, 5, 10, 0x0000FF); // vertical, full height
    const QImage img = grabImage(g);
    const Blob red = find(img, dominant(0));
    const Blob blue = find(img, dominant(2));
    ASSERT_GT(red.count, 0);
    ASSERT_GT(blue.count, 0);

    // The red line is flat and spans 6 of the 10 units the blue one is high
    // (the axes have the same span, the widget is wider than high).
    EXPECT_LE(red.box.height(), 2);
    EXPECT_LE(blue.box.width(), 2);
    EXPECT_GT(red.box.width(), kW / 3);
    EXPECT_GT(blue.box.height(), kH / 2);
    // The blue line crosses the red one in the middle of both.
    EXPECT_NEAR(blue.box.center().x(), red.box.center().x(), 2);
    EXPECT_NEAR(red.box.center().y(), blue.box.center().y(), 2);
    // Nothing of either colour beyond those lines.
    EXPECT_GT(red.box.left(), kW / 10);
    EXPECT_LT(red.box.right(), kW - 10);

    g.deletePlot(-1, true);
    const QImage empty = grabImage(g);
    EXPECT_EQ(find(empty, dominant(0)).count, 0);
    EXPECT_EQ(find(empty, dominant(2)).count, 0);
}

TEST(GraphPaint, PlotsOutsideTheAxesAreClipped)
{
    GraphWidget g(Mode::Graph);
    g.resize(kW, kH);
    manual(g, 0, 10, 0, 10);
    segment(g, 20, 5, 30, 5, 0xFF0000);     // right of the axis range
    segment(g, -1e300, 5, 1e300, 5, 0x0000FF);  // through it, huge
    const QImage img = grabImage(g);
    EXPECT_EQ(find(img, dominant(0)).count, 0);
    const Blob blue = find(img, dominant(2));
    ASSERT_GT(blue.count, 0);
    // Cut at the plot area: not into the labels and margins.
    EXPECT_GT(blue.box.left(), 15);
    EXPECT_LT(blue.box.right(), kW - 5);
}

TEST(GraphPaint, ExtremeValuesLeaveTheRestDrawn)
{
    GraphWidget g(Mode::Graph);
    g.resize(kW, kH);
    g.setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    g.setAxisScaling(VAL_BOTTOM_XAXIS, VAL_AUTOSCALE, 0, 0);
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double big = std::numeric_limits<double>::max();
    segment(g, -big, 0, big, 1, 0x0000FF);
    segment(g, nan, 0, 1, inf, 0x0000FF);
    g.addRect(-inf, nan, big, -big, 0x0000FF, 0x0000FF);
    grabImage(g);
    double lo = 0, hi = 0;
    ASSERT_EQ(g.axisScaling(VAL_BOTTOM_XAXIS, nullptr, &lo, &hi), 0);
    EXPECT_TRUE(std::isfinite(hi - lo));
    // The data range is unusable; a manual one still shows a normal plot.
    manual(g, 0, 10, 0, 10);
    segment(g, 2, 5, 8, 5, 0xFF0000);
    EXPECT_GT(find(grabImage(g), dominant(0)).count, 50);
}

TEST(GraphPaint, RectanglesFillTheirSpan)
{
    GraphWidget g(Mode::Graph);
    g.resize(kW, kH);
    manual(g, 0, 1000, 0, 100);
    const QRgb fillA = qRgb(0, 0x80, 0x40), fillB = qRgb(0x40, 0x40, 0xC0);
    const QRgb frame = qRgb(0xFF, 0, 0x80);
    ASSERT_GT(g.addRect(100, 0, 400, 100, frame, fillA), 0);
    ASSERT_GT(g.addRect(400, 25, 700, 75, frame, fillB), 0);
    const QImage img = grabImage(g);
    const Blob a = find(img, hue(fillA)), b = find(img, hue(fillB));
    ASSERT_GT(a.count, 0);
    ASSERT_GT(b.count, 0);
    // Solid fills, side by side, equally wide, B half as high as A and centred.
    EXPECT_GT(a.count, 0.9 * a.box.width() * a.box.height());
    EXPECT_NEAR(a.box.width(), b.box.width(), 3);
    EXPECT_NEAR(a.box.right(), b.box.left(), 3);
    EXPECT_NEAR(b.box.height() * 2, a.box.height(), 4);
    EXPECT_NEAR(b.box.center().y(), a.box.center().y(), 2);
    // The frame colour surrounds them.
    const Blob f = find(img, hue(frame));
    ASSERT_GT(f.count, 0);
    EXPECT_LE(f.box.left(), a.box.left());
    EXPECT_GE(f.box.right(), b.box.right());
}

TEST(GraphPaint, StripTracesStackByValue)
{
    GraphWidget s(Mode::StripChart);
    s.resize(kW, kH);
    s.setNumTraces(3);
    s.setPointsPerScreen(101);
    s.setTraceColor(0, qRgb(0xFF, 0, 0));
    s.setTraceColor(1, qRgb(0, 0xC0, 0));
    s.setTraceColor(2, qRgb(0, 0, 0xFF));
    ASSERT_EQ(s.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0, 4000), 0);
    std::vector<double> v(300);
    for (int k = 0; k < 100; ++k) {
        v[3 * k] = 1000;
        v[3 * k + 1] = 2000;
        v[3 * k + 2] = 3000;
    }
    s.appendStrip(v.data(), 300);
    s.appendStrip(v.data(), 3);  // a full screen
    const QImage img = grabImage(s);
    const Blob r = find(img, dominant(0)), gr = find(img, dominant(1)), b = find(img, dominant(2));
    ASSERT_GT(r.count, 0);
    ASSERT_GT(gr.count, 0);
    ASSERT_GT(b.count, 0);
    EXPECT_LT(b.box.center().y(), gr.box.center().y());  // 3000 above 2000
    EXPECT_LT(gr.box.center().y(), r.box.center().y());
    EXPECT_NEAR(r.box.center().y() - gr.box.center().y(),
                gr.box.center().y() - b.box.center().y(), 2);
    EXPECT_LE(r.box.height(), 2);
    EXPECT_NEAR(r.box.width(), b.box.width(), 2);
    // A constant trace is one even line, without lighter seams where its
    // segments meet.
    const qreal dpr = img.devicePixelRatio();
    const int row = int(r.box.center().y() * dpr), from = int((r.box.left() + 2) * dpr);
    for (int x = from; x < int((r.box.right() - 2) * dpr); ++x)
        ASSERT_EQ(img.pixel(x, row), img.pixel(from, row)) << "x " << x;

    s.clearStrip();
    EXPECT_EQ(find(grabImage(s), dominant(0)).count, 0);
}

TEST(GraphPaint, CursorShowsOnceSetAtItsValue)
{
    GraphWidget g(Mode::Graph);
    g.resize(kW, kH);
    manual(g, 0, 1000, 0, 100);
    const Pred black = [](QRgb p) { return qRed(p) < 16 && qGreen(p) < 16 && qBlue(p) < 16; };
    EXPECT_EQ(find(grabImage(g), black).count, 0);  // not placed yet

    // The crosshair spans the plot area (its black bounding box); the
    // vertical hair sits at a quarter and then at three quarters of it.
    for (double x : {250.0, 750.0}) {
        ASSERT_EQ(g.setCursor(1, x, 50), 0);
        const QImage img = grabImage(g);
        const Blob all = find(img, black);
        ASSERT_GT(all.count, 0);
        EXPECT_GT(all.box.width(), kW / 2);
        EXPECT_GT(all.box.height(), kH / 2);
        const int hair = fullestColumn(img, black);
        EXPECT_NEAR(hair, all.box.left() + all.box.width() * x / 1000, 3);
    }
}

TEST(GraphPaint, CachedDrawingMatchesAFreshOne)
{
    // Plots added between paints, and an automatic range that grows on the
    // way, must end up exactly as the same plots painted in one go.
    GraphWidget step(Mode::Graph), once(Mode::Graph);
    for (GraphWidget *g : {&step, &once}) {
        g->resize(kW, kH);
        g->setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
        g->setAxisScaling(VAL_BOTTOM_XAXIS, VAL_AUTOSCALE, 0, 0);
    }
    auto value = [](int i) { return 500 + 300 * std::sin(i * 0.2); };
    for (int i = 1; i <= 120; ++i) {
        segment(step, i - 1, value(i - 1), i, value(i), 0xFF8000);
        if (i % 7 == 0)
            grabImage(step);
    }
    for (int i = 1; i <= 120; ++i)
        segment(once, i - 1, value(i - 1), i, value(i), 0xFF8000);
    const QImage a = grabImage(step), b = grabImage(once);
    EXPECT_EQ(a, b);
    EXPECT_GT(find(a, hue(qRgb(0xFF, 0x80, 0))).count, 100);
}

TEST(GraphPaint, DensePlotsCoverWhatTheirSegmentsWould)
{
    // Many segments per pixel column are drawn thinned when painted in one
    // go; painted a few at a time they are not. Both must cover the same
    // shape: every plot pixel of one lies next to a plot pixel of the other.
    constexpr int kSegments = 1500;
    GraphWidget once(Mode::Graph), few(Mode::Graph);
    auto value = [](int i) { return 500 + 300 * std::sin(i * 0.01) + (i * 37 % 101); };
    for (GraphWidget *g : {&once, &few}) {
        g->resize(240, 160);
        manual(*g, 0, kSegments, 0, 1000);
    }
    for (int i = 1; i <= kSegments; ++i) {
        segment(once, i - 1, value(i - 1), i, value(i), 0xFF0000);
        segment(few, i - 1, value(i - 1), i, value(i), 0xFF0000);
        if (i % 2 == 0)
            grabImage(few);
    }
    const QImage a = grabImage(once), b = grabImage(few);
    ASSERT_EQ(a.size(), b.size());
    const Pred red = dominant(0);
    EXPECT_GT(find(a, red).count, 1000);
    EXPECT_EQ(graphtest::strayPixels(a, b, red), 0);
    EXPECT_EQ(graphtest::strayPixels(b, a, red), 0);
}
