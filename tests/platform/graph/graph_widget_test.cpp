// The graph control as a model: plots, rectangles, cursors, axis scaling
// and strip chart buffers, through the widget's own interface.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/graph/graph_widget.h"
#include "platform/userint/userint.h"

namespace {

using Mode = GraphWidget::Mode;

int addSegment(GraphWidget &g, double x0, double y0, double x1, double y1, QRgb c = 0xFF0000)
{
    const double x[2] = {x0, x1}, y[2] = {y0, y1};
    return g.addXY(x, y, 2, c, true, false, false);
}

}  // namespace

TEST(GraphPlots, AccumulateUntilDeleted)
{
    GraphWidget g(Mode::Graph);
    const int a = addSegment(g, 0, 1, 1, 2);
    const int b = addSegment(g, 1, 2, 2, 3, 0x00FF00);
    const int c = addSegment(g, 2, 3, 3, 4, 0x0000FF);
    EXPECT_GT(a, 0);
    EXPECT_GT(b, a);
    EXPECT_GT(c, b);
    ASSERT_EQ(g.numPlots(), 3);

    // Deleting the middle plot leaves the others' points and colours intact.
    EXPECT_EQ(g.deletePlot(b, true), 0);
    const auto plots = g.plots();
    ASSERT_EQ(plots.size(), 2u);
    EXPECT_EQ(plots[0].handle, a);
    EXPECT_EQ(plots[1].handle, c);
    EXPECT_EQ(plots[1].x, (std::vector<double>{2, 3}));
    EXPECT_EQ(plots[1].y, (std::vector<double>{3, 4}));
    EXPECT_EQ(qRgb(0, 0, 255), plots[1].color);
    EXPECT_TRUE(plots[1].connected);

    EXPECT_LT(g.deletePlot(b, true), 0);  // already gone
    EXPECT_LT(g.deletePlot(12345, false), 0);
    EXPECT_EQ(g.numPlots(), 2);

    EXPECT_EQ(g.deletePlot(-1, false), 0);
    EXPECT_EQ(g.numPlots(), 0);
    // Handles are not reused after a delete.
    EXPECT_GT(addSegment(g, 0, 0, 1, 1), c);
}

TEST(GraphPlots, JoinedSegmentsKeepEveryPlotAndHandle)
{
    // Segments that continue one another share their joint in the store;
    // each must still come back as the plot it was, also after a delete in
    // the middle, across a value a float cannot hold and a jump.
    GraphWidget g(Mode::Graph);
    const std::vector<std::vector<double>> xs = {
        {0, 1}, {1, 2}, {2, 3}, {3, 4.1}, {4.1, 5}, {5, 6}, {7, 8}, {8, 9}, {9, 10}};
    const std::vector<std::vector<double>> ys = {
        {10, 11}, {11, 65535}, {65535, 0}, {0, 0.1}, {0.1, 3}, {3, 3}, {4, 5}, {5, 6}, {6, 7}};
    std::vector<int> handles;
    for (std::size_t i = 0; i < xs.size(); ++i)
        handles.push_back(addSegment(g, xs[i][0], ys[i][0], xs[i][1], ys[i][1]));
    ASSERT_EQ(g.numPlots(), 9);
    ASSERT_EQ(g.deletePlot(handles[1], false), 0);
    ASSERT_EQ(g.deletePlot(handles[7], false), 0);
    const auto plots = g.plots();
    ASSERT_EQ(plots.size(), 7u);
    std::size_t k = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (i == 1 || i == 7)
            continue;
        EXPECT_EQ(plots[k].handle, handles[i]);
        EXPECT_EQ(plots[k].x, xs[i]) << "plot " << i;
        EXPECT_EQ(plots[k].y, ys[i]) << "plot " << i;
        ++k;
    }
    // New segments go on after the last handle and join as before.
    EXPECT_GT(addSegment(g, 10, 7, 11, 8), handles.back());
    EXPECT_EQ(g.plots().back().x, (std::vector<double>{10, 11}));
}

TEST(GraphPlots, StylesAndPointsAreKeptPerPlot)
{
    GraphWidget g(Mode::Graph);
    const double x[3] = {1, 2, 3}, y[3] = {-1, 0.5, 1e6};
    ASSERT_GT(g.addXY(x, y, 3, 0x123456, false, true, false), 0);
    ASSERT_GT(g.addXY(x, y, 1, 0x654321, true, false, true), 0);
    const auto p = g.plots();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].x, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(p[0].y, (std::vector<double>{-1, 0.5, 1e6}));
    EXPECT_FALSE(p[0].connected);
    EXPECT_TRUE(p[0].markers);
    EXPECT_EQ(qRgb(0x12, 0x34, 0x56), p[0].color);
    EXPECT_EQ(p[1].x, (std::vector<double>{1}));
    EXPECT_TRUE(p[1].dashed);
    EXPECT_EQ(qRgb(0x65, 0x43, 0x21), p[1].color);
}

TEST(GraphPlots, BadArgumentsAreRefused)
{
    GraphWidget g(Mode::Graph);
    const double v[2] = {0, 1};
    EXPECT_LT(g.addXY(nullptr, v, 2, 0, true, false, false), 0);
    EXPECT_LT(g.addXY(v, nullptr, 2, 0, true, false, false), 0);
    EXPECT_LT(g.addXY(v, v, 0, 0, true, false, false), 0);
    EXPECT_LT(g.addXY(v, v, -3, 0, true, false, false), 0);
    EXPECT_EQ(g.numPlots(), 0);

    GraphWidget s(Mode::StripChart);
    EXPECT_LT(s.addXY(v, v, 2, 0, true, false, false), 0);
    EXPECT_LT(s.addRect(0, 0, 1, 1, 0, 0), 0);
    EXPECT_LT(s.deletePlot(-1, true), 0);
}

TEST(GraphRectangles, CoordinatesAndColoursAsGiven)
{
    GraphWidget g(Mode::Graph);
    const int h = g.addRect(930, 0, 1000, 100, qRgb(0xFF, 0, 0x80), qRgb(0, 0x80, 0x40));
    ASSERT_GT(h, 0);
    const auto p = g.plots();
    ASSERT_EQ(p.size(), 1u);
    EXPECT_TRUE(p[0].rect);
    EXPECT_EQ(p[0].handle, h);
    EXPECT_EQ(p[0].x, (std::vector<double>{930, 1000}));
    EXPECT_EQ(p[0].y, (std::vector<double>{0, 100}));
    EXPECT_EQ(p[0].color, qRgb(0xFF, 0, 0x80));
    EXPECT_EQ(p[0].fill, qRgb(0, 0x80, 0x40));
}

TEST(GraphCursors, RoundTripAndRangeCheck)
{
    GraphWidget g(Mode::Graph);
    EXPECT_EQ(g.numCursors(), 1);  // cursor 1 exists from the start
    EXPECT_EQ(g.setCursor(1, 512.5, 50), 0);
    double x = 0, y = 0;
    EXPECT_EQ(g.cursor(1, &x, &y), 0);
    EXPECT_EQ(x, 512.5);
    EXPECT_EQ(y, 50);

    EXPECT_EQ(g.setCursor(0, 1, 1), UIEIndexOutOfRange);
    EXPECT_EQ(g.setCursor(2, 1, 1), UIEIndexOutOfRange);
    EXPECT_EQ(g.cursor(2, &x, &y), UIEIndexOutOfRange);

    g.setNumCursors(3);
    EXPECT_EQ(g.setCursor(3, -7, 8), 0);
    EXPECT_EQ(g.cursor(3, &x, &y), 0);
    EXPECT_EQ(x, -7);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(g.cursor(1, &x, &y), 0);
    EXPECT_EQ(x, 512.5);  // resizing kept cursor 1
    EXPECT_EQ(g.setCursor(4, 0, 0), UIEIndexOutOfRange);
    EXPECT_LT(g.setCursor(1, std::nan(""), 0), 0);
}

TEST(GraphAxes, ManualRoundTripAndRefusal)
{
    GraphWidget g(Mode::Graph);
    EXPECT_EQ(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 975, 1025), 0);
    EXPECT_EQ(g.setAxisScaling(VAL_BOTTOM_XAXIS, VAL_MANUAL, 0, 1000), 0);
    int mode = -1;
    double lo = 0, hi = 0;
    EXPECT_EQ(g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_EQ(lo, 975);
    EXPECT_EQ(hi, 1025);
    EXPECT_EQ(g.axisScaling(VAL_BOTTOM_XAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1000);

    // An empty or reversed range and an unknown axis or mode change nothing.
    EXPECT_LT(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 5, 5), 0);
    EXPECT_LT(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 9, 1), 0);
    EXPECT_LT(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0, std::nan("")), 0);
    EXPECT_LT(g.setAxisScaling(7, VAL_MANUAL, 0, 1), 0);
    EXPECT_LT(g.setAxisScaling(VAL_LEFT_YAXIS, 9, 0, 1), 0);
    EXPECT_LT(g.axisScaling(0, &mode, &lo, &hi), 0);
    EXPECT_EQ(g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_EQ(lo, 975);
    EXPECT_EQ(hi, 1025);
}

TEST(GraphAxes, AutoscaleFitsEveryPlotAndFollowsDeletes)
{
    GraphWidget g(Mode::Graph);
    ASSERT_EQ(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0, 10), 0);
    ASSERT_EQ(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0), 0);
    ASSERT_EQ(g.setAxisScaling(VAL_BOTTOM_XAXIS, VAL_AUTOSCALE, 0, 0), 0);
    int mode = -1;
    double lo = 0, hi = 0;
    // No data: the manual range stands.
    EXPECT_EQ(g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(mode, VAL_AUTOSCALE);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 10);

    addSegment(g, 0, 1200, 1, 1300);
    const int wide = addSegment(g, 1, 1300, 50, 3900);
    addSegment(g, 50, 1400, 60, 1250);
    g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_LE(lo, 1200);
    EXPECT_GE(hi, 3900);
    EXPECT_GT(lo, 0);  // fitted, not the manual range
    g.axisScaling(VAL_BOTTOM_XAXIS, &mode, &lo, &hi);
    EXPECT_LE(lo, 0);
    EXPECT_GE(hi, 60);

    g.addRect(-100, 0, -90, 5, 0, 0);
    g.axisScaling(VAL_BOTTOM_XAXIS, &mode, &lo, &hi);
    EXPECT_LE(lo, -100);
    g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_LE(lo, 0);

    // Deleting narrows the range again.
    ASSERT_EQ(g.deletePlot(wide, false), 0);
    ASSERT_EQ(g.deletePlot(g.plots().back().handle, false), 0);
    g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_GE(lo, 1000);
    EXPECT_LT(hi, 3900);
}

TEST(GraphAxes, LockFreezesTheAutomaticRange)
{
    GraphWidget g(Mode::Graph);
    g.setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    addSegment(g, 0, 100, 1, 200);
    double lo0 = 0, hi0 = 0, lo = 0, hi = 0;
    int mode = -1;
    g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo0, &hi0);
    ASSERT_EQ(g.setAxisScaling(VAL_LEFT_YAXIS, VAL_LOCK, 0, 0), 0);
    addSegment(g, 1, 200, 2, 9000);
    g.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_EQ(mode, VAL_LOCK);
    EXPECT_EQ(lo, lo0);
    EXPECT_EQ(hi, hi0);
}

TEST(StripChart, ThePointAfterAFullScreenPushesTheFirstOut)
{
    GraphWidget s(Mode::StripChart);
    s.setNumTraces(1);
    s.setPointsPerScreen(101);
    std::vector<double> v(101);
    for (int i = 0; i < 101; ++i)
        v[i] = i;
    s.appendStrip(v.data(), 101);
    auto on = s.traceValues(0);
    ASSERT_EQ(on.size(), 101u);
    EXPECT_EQ(on.front(), 0);
    const double next = 101;
    s.appendStrip(&next, 1);
    on = s.traceValues(0);
    ASSERT_EQ(on.size(), 101u);
    EXPECT_EQ(on.front(), 1);
    EXPECT_EQ(on.back(), 101);
}

TEST(StripChart, ThreeTracesInterleaved)
{
    GraphWidget s(Mode::StripChart);
    s.setNumTraces(3);
    s.setPointsPerScreen(101);
    std::vector<double> buf(300);
    for (int k = 0; k < 100; ++k) {
        buf[3 * k] = 1000 + k;
        buf[3 * k + 1] = 2000 + k;
        buf[3 * k + 2] = 3000 + k;
    }
    s.appendStrip(buf.data(), 300);
    for (int t = 0; t < 3; ++t) {
        const auto on = s.traceValues(t);
        ASSERT_EQ(on.size(), 100u);
        EXPECT_EQ(on.front(), 1000 * (t + 1));
        EXPECT_EQ(on.back(), 1000 * (t + 1) + 99);
    }
    // A second frame: 101 points per screen keep the last of the first.
    s.appendStrip(buf.data(), 300);
    const auto on = s.traceValues(1);
    ASSERT_EQ(on.size(), 101u);
    EXPECT_EQ(on.front(), 2099);
    EXPECT_EQ(on[1], 2000);
    EXPECT_TRUE(s.traceValues(3).empty());
    EXPECT_TRUE(s.traceValues(-1).empty());
}

TEST(StripChart, PartialGroupsCarryOnWithTheNextTrace)
{
    GraphWidget s(Mode::StripChart);
    s.setNumTraces(3);
    const double a[4] = {1, 2, 3, 4}, b[2] = {5, 6};
    s.appendStrip(a, 4);
    s.appendStrip(b, 2);
    EXPECT_EQ(s.traceValues(0), (std::vector<double>{1, 4}));
    EXPECT_EQ(s.traceValues(1), (std::vector<double>{2, 5}));
    EXPECT_EQ(s.traceValues(2), (std::vector<double>{3, 6}));
}

TEST(StripChart, SettingsKeepDataAndClearEmpties)
{
    GraphWidget s(Mode::StripChart);
    s.setNumTraces(2);
    s.setPointsPerScreen(5);
    const double v[10] = {0, 10, 1, 11, 2, 12, 3, 13, 4, 14};
    s.appendStrip(v, 10);
    s.setPointsPerScreen(5);  // same value, as every frame sets it
    EXPECT_EQ(s.traceValues(1), (std::vector<double>{10, 11, 12, 13, 14}));
    s.setPointsPerScreen(3);  // keeps the newest
    EXPECT_EQ(s.traceValues(0), (std::vector<double>{2, 3, 4}));
    s.setPointsPerScreen(6);
    const double more[2] = {5, 15};
    s.appendStrip(more, 2);
    EXPECT_EQ(s.traceValues(0), (std::vector<double>{2, 3, 4, 5}));
    EXPECT_EQ(s.pointsPerScreen(), 6);

    s.clearStrip();
    EXPECT_TRUE(s.traceValues(0).empty());
    EXPECT_TRUE(s.traceValues(1).empty());
    s.appendStrip(more, 2);
    EXPECT_EQ(s.traceValues(0), (std::vector<double>{5}));  // turn restarts at trace 0

    s.appendStrip(nullptr, 5);
    s.appendStrip(more, -1);
    EXPECT_EQ(s.traceValues(0), (std::vector<double>{5}));
}

TEST(StripChart, AutoscaleFollowsThePointsOnScreen)
{
    GraphWidget s(Mode::StripChart);
    s.setNumTraces(1);
    s.setPointsPerScreen(3);
    ASSERT_EQ(s.setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0), 0);
    const double v[4] = {5000, 100, 120, 130};
    s.appendStrip(v, 1);
    double lo = 0, hi = 0;
    s.axisScaling(VAL_LEFT_YAXIS, nullptr, &lo, &hi);
    EXPECT_GE(hi, 5000);
    s.appendStrip(v + 1, 3);  // 5000 scrolls out
    s.axisScaling(VAL_LEFT_YAXIS, nullptr, &lo, &hi);
    EXPECT_LE(lo, 100);
    EXPECT_GE(hi, 130);
    EXPECT_LT(hi, 5000);
    // The x axis spans the screen.
    s.axisScaling(VAL_BOTTOM_XAXIS, nullptr, &lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 2);
}
