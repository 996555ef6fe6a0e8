// The run-time's graph functions on controls of a loaded panel: typed
// arrays, plot handles, rectangles, cursors, axis scaling, strip charts,
// trace colours, and refusal of bad arguments.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QImage>
#include <QPixmap>
#include <cmath>
#include <vector>

#include "platform/userint/resource.h"
#include "platform/testing/testing.h"
#include "platform/userint/userint.h"

namespace {

constexpr const char *kFile = "graph_api_test.uir";
constexpr int kPanelId = 1;
enum Ctrls : int { G_SYM = 1, G_AUTO, G_STRIP, G_BUTTON };

const int kTraceColors[] = {0xFF0000, 0x00A000, 0x0000FF};
const CtrlDesc kCtrls[] = {
    {.id = G_SYM, .kind = CTRL_GRAPH, .name = "Sym", .label = "Sym", .top = 10, .left = 10,
     .width = 300, .height = 150, .callback = nullptr, .xMin = 0, .xMax = 1000, .yMin = 0,
     .yMax = 100},
    {.id = G_AUTO, .kind = CTRL_GRAPH, .name = "Auto", .label = "Auto", .top = 170, .left = 10,
     .width = 300, .height = 150, .callback = nullptr, .yAutoscale = 1},
    {.id = G_STRIP, .kind = CTRL_STRIP_CHART, .name = "Strip", .label = "Strip", .top = 10,
     .left = 320, .width = 300, .height = 200, .callback = nullptr, .yMin = 0, .yMax = 4096,
     .numTraces = 3, .pointsPerScreen = 101, .traceColors = kTraceColors},
    {.id = G_BUTTON, .kind = CTRL_COMMAND_BUTTON, .name = "Button", .label = "Button",
     .top = 330, .left = 10, .width = 80, .height = 24, .callback = nullptr},
};
const PanelDesc kPanels[] = {
    {.resourceId = kPanelId, .name = "GRAPHTEST", .title = "Graphs", .top = 0, .left = 0,
     .width = 640, .height = 380, .callback = nullptr, .ctrls = kCtrls,
     .numCtrls = int(std::size(kCtrls))},
};

class GraphApi : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_GE(RegisterPanelResource(kFile, kPanels, 1), 0);
        panel_ = LoadPanel(0, kFile, kPanelId);
        ASSERT_GT(panel_, 0);
    }
    void TearDown() override { uitest::ResetUserInterface(); }

    // The graph panel's way: one two-point plot of unsigned 16-bit values.
    int Segment(int ctrl, unsigned short x0, unsigned short y0, unsigned short x1,
                unsigned short y1, int color)
    {
        const unsigned short x[2] = {x0, x1}, y[2] = {y0, y1};
        return PlotXY(panel_, ctrl, x, y, 2, VAL_UNSIGNED_SHORT_INTEGER,
                      VAL_UNSIGNED_SHORT_INTEGER, VAL_CONNECTED_POINTS, VAL_NO_POINT, VAL_SOLID,
                      1, color);
    }

    int panel_ = 0;
};

}  // namespace

TEST_F(GraphApi, SegmentsAccumulateUntilDeleted)
{
    const int a = Segment(G_AUTO, 0, 1200, 0, 1200, 0xFF8000);
    const int b = Segment(G_AUTO, 0, 1200, 1, 1300, 0xFF8000);
    const int c = Segment(G_AUTO, 1, 1300, 2, 65535, 0xFF8000);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, a);
    ASSERT_GT(c, b);
    auto plots = uitest::GraphPlots(panel_, G_AUTO);
    ASSERT_EQ(plots.size(), 3u);
    EXPECT_EQ(plots[2].kind, "xy");
    EXPECT_EQ(plots[2].x, (std::vector<double>{1, 2}));
    EXPECT_EQ(plots[2].y, (std::vector<double>{1300, 65535}));
    EXPECT_EQ(plots[2].color, 0xFF8000);
    int count = -1;
    EXPECT_EQ(GetCtrlAttribute(panel_, G_AUTO, ATTR_NUM_PLOTS, &count), 0);
    EXPECT_EQ(count, 3);

    EXPECT_EQ(DeleteGraphPlot(panel_, G_AUTO, b, VAL_DELAYED_DRAW), 0);
    plots = uitest::GraphPlots(panel_, G_AUTO);
    ASSERT_EQ(plots.size(), 2u);
    EXPECT_EQ(plots[0].handle, a);
    EXPECT_EQ(plots[1].handle, c);
    EXPECT_LT(DeleteGraphPlot(panel_, G_AUTO, b, VAL_IMMEDIATE_DRAW), 0);

    EXPECT_EQ(DeleteGraphPlot(panel_, G_AUTO, -1, VAL_IMMEDIATE_DRAW), 0);
    EXPECT_TRUE(uitest::GraphPlots(panel_, G_AUTO).empty());
}

TEST_F(GraphApi, EveryArrayTypeAndStyle)
{
    const int xi[3] = {-1, 0, 1};
    const float yf[3] = {0.5f, 1.5f, -2.25f};
    ASSERT_GT(PlotXY(panel_, G_SYM, xi, yf, 3, VAL_INTEGER, VAL_FLOAT, VAL_SCATTER,
                     VAL_SOLID_SQUARE, VAL_SOLID, 1, 0x123456), 0);
    const double xd[2] = {1e-3, 2.5};
    const short ys[2] = {-300, 300};
    ASSERT_GT(PlotXY(panel_, G_SYM, xd, ys, 2, VAL_DOUBLE, VAL_SHORT_INTEGER, VAL_THIN_LINE,
                     VAL_NO_POINT, VAL_DASH, 1, 0), 0);
    const auto plots = uitest::GraphPlots(panel_, G_SYM);
    ASSERT_EQ(plots.size(), 2u);
    EXPECT_EQ(plots[0].x, (std::vector<double>{-1, 0, 1}));
    EXPECT_EQ(plots[0].y, (std::vector<double>{0.5, 1.5, -2.25}));
    EXPECT_EQ(plots[0].color, 0x123456);
    EXPECT_EQ(plots[0].fillColor, VAL_TRANSPARENT);
    EXPECT_EQ(plots[1].x, (std::vector<double>{1e-3, 2.5}));
    EXPECT_EQ(plots[1].y, (std::vector<double>{-300, 300}));
}

TEST_F(GraphApi, RectanglesAsGiven)
{
    const int h = PlotRectangle(panel_, G_SYM, 930, 0, 1000, 100, 0xFF0080, 0xFF0080);
    ASSERT_GT(h, 0);
    ASSERT_GT(PlotRectangle(panel_, G_SYM, 0, 0, 70, 100, 0x008040, VAL_TRANSPARENT), h);
    const auto plots = uitest::GraphPlots(panel_, G_SYM);
    ASSERT_EQ(plots.size(), 2u);
    EXPECT_EQ(plots[0].kind, "rect");
    EXPECT_EQ(plots[0].handle, h);
    EXPECT_EQ(plots[0].x, (std::vector<double>{930, 1000}));
    EXPECT_EQ(plots[0].y, (std::vector<double>{0, 100}));
    EXPECT_EQ(plots[0].color, 0xFF0080);
    EXPECT_EQ(plots[0].fillColor, 0xFF0080);
    EXPECT_EQ(plots[1].color, 0x008040);
    EXPECT_EQ(plots[1].fillColor, VAL_TRANSPARENT);
}

TEST_F(GraphApi, CursorRoundTripAndRange)
{
    EXPECT_EQ(SetGraphCursor(panel_, G_SYM, 1, 404, 50), 0);
    double x = 0, y = 0;
    EXPECT_EQ(GetGraphCursor(panel_, G_SYM, 1, &x, &y), 0);
    EXPECT_EQ(x, 404);
    EXPECT_EQ(y, 50);
    EXPECT_EQ(SetGraphCursor(panel_, G_SYM, 0, 1, 1), UIEIndexOutOfRange);
    EXPECT_EQ(SetGraphCursor(panel_, G_SYM, 2, 1, 1), UIEIndexOutOfRange);
    EXPECT_EQ(GetGraphCursor(panel_, G_SYM, 2, &x, &y), UIEIndexOutOfRange);
    EXPECT_EQ(SetCtrlAttribute(panel_, G_SYM, ATTR_NUM_CURSORS, 2), 0);
    EXPECT_EQ(SetGraphCursor(panel_, G_SYM, 2, 10, 20), 0);
    EXPECT_EQ(GetGraphCursor(panel_, G_SYM, 2, &x, &y), 0);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    EXPECT_LT(GetGraphCursor(panel_, G_SYM, 1, nullptr, &y), 0);
    EXPECT_EQ(SetGraphCursor(panel_, G_STRIP, 1, 1, 1), UIEInvalidControlType);
}

TEST_F(GraphApi, AxisScalingRoundTrip)
{
    int mode = -1;
    double lo = 0, hi = 0;
    // As the resource set it up.
    ASSERT_EQ(GetAxisScalingMode(panel_, G_SYM, VAL_BOTTOM_XAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1000);
    ASSERT_EQ(GetAxisScalingMode(panel_, G_AUTO, VAL_LEFT_YAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(mode, VAL_AUTOSCALE);

    EXPECT_EQ(SetAxisScalingMode(panel_, G_STRIP, VAL_LEFT_YAXIS, VAL_MANUAL, 3, 1025), 0);
    ASSERT_EQ(GetAxisScalingMode(panel_, G_STRIP, VAL_LEFT_YAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(mode, VAL_MANUAL);
    EXPECT_EQ(lo, 3);
    EXPECT_EQ(hi, 1025);

    Segment(G_AUTO, 0, 1000, 10, 3000, 0xFF0000);
    ASSERT_EQ(GetAxisScalingMode(panel_, G_AUTO, VAL_LEFT_YAXIS, &mode, &lo, &hi), 0);
    EXPECT_LE(lo, 1000);
    EXPECT_GE(hi, 3000);
    EXPECT_LT(hi - lo, 4000);

    EXPECT_LT(SetAxisScalingMode(panel_, G_SYM, VAL_LEFT_YAXIS, VAL_MANUAL, 100, 0), 0);
    EXPECT_LT(SetAxisScalingMode(panel_, G_SYM, 5, VAL_MANUAL, 0, 1), 0);
    EXPECT_LT(GetAxisScalingMode(panel_, G_SYM, VAL_LEFT_YAXIS, nullptr, &lo, &hi), 0);
    ASSERT_EQ(GetAxisScalingMode(panel_, G_SYM, VAL_LEFT_YAXIS, &mode, &lo, &hi), 0);
    EXPECT_EQ(hi, 100);  // unchanged by the refused call
}

TEST_F(GraphApi, StripChartInterleavedDoubles)
{
    std::vector<double> buf(300);
    for (int k = 0; k < 100; ++k) {
        buf[3 * k] = k;
        buf[3 * k + 1] = 1000 + k;
        buf[3 * k + 2] = 2000 + k;
    }
    ASSERT_EQ(PlotStripChart(panel_, G_STRIP, buf.data(), 300, 0, 0, VAL_DOUBLE), 0);
    auto density = uitest::StripChartTrace(panel_, G_STRIP, 0);
    ASSERT_EQ(density.size(), 100u);
    EXPECT_EQ(density.front(), 0);
    EXPECT_EQ(density.back(), 99);
    EXPECT_EQ(uitest::StripChartTrace(panel_, G_STRIP, 2).back(), 2099);

    // The 101st point fits, the 102nd pushes the first out.
    const double next[3] = {100, 1100, 2100};
    ASSERT_EQ(PlotStripChart(panel_, G_STRIP, next, 3, 0, 0, VAL_DOUBLE), 0);
    density = uitest::StripChartTrace(panel_, G_STRIP, 0);
    ASSERT_EQ(density.size(), 101u);
    EXPECT_EQ(density.front(), 0);
    ASSERT_EQ(PlotStripChart(panel_, G_STRIP, next, 3, 0, 0, VAL_DOUBLE), 0);
    density = uitest::StripChartTrace(panel_, G_STRIP, 0);
    ASSERT_EQ(density.size(), 101u);
    EXPECT_EQ(density.front(), 1);
    EXPECT_EQ(density.back(), 100);

    ASSERT_EQ(ClearStripChart(panel_, G_STRIP), 0);
    EXPECT_TRUE(uitest::StripChartTrace(panel_, G_STRIP, 1).empty());
}

TEST_F(GraphApi, StripChartStartSkipAndTypes)
{
    // Start at element 1, take every second: 11, 13, 15, 17, 19, 21.
    const unsigned short words[12] = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    ASSERT_EQ(PlotStripChart(panel_, G_STRIP, words, 6, 1, 1, VAL_UNSIGNED_SHORT_INTEGER), 0);
    EXPECT_EQ(uitest::StripChartTrace(panel_, G_STRIP, 0), (std::vector<double>{11, 17}));
    EXPECT_EQ(uitest::StripChartTrace(panel_, G_STRIP, 1), (std::vector<double>{13, 19}));
    EXPECT_EQ(uitest::StripChartTrace(panel_, G_STRIP, 2), (std::vector<double>{15, 21}));

    ASSERT_EQ(ClearStripChart(panel_, G_STRIP), 0);
    const float f[3] = {0.25f, -1.5f, 4096.f};
    ASSERT_EQ(PlotStripChart(panel_, G_STRIP, f, 3, 0, 0, VAL_FLOAT), 0);
    const int i[3] = {-7, 70000, 0};
    ASSERT_EQ(PlotStripChart(panel_, G_STRIP, i, 3, 0, 0, VAL_INTEGER), 0);
    EXPECT_EQ(uitest::StripChartTrace(panel_, G_STRIP, 0), (std::vector<double>{0.25, -7}));
    EXPECT_EQ(uitest::StripChartTrace(panel_, G_STRIP, 1), (std::vector<double>{-1.5, 70000}));
}

TEST_F(GraphApi, TraceColourShowsInTheChart)
{
    EXPECT_EQ(SetTraceAttribute(panel_, G_STRIP, 2, ATTR_TRACE_COLOR, 0x00C0C0), 0);
    EXPECT_EQ(SetTraceAttribute(panel_, G_STRIP, 0, ATTR_TRACE_COLOR, 0), UIEIndexOutOfRange);
    EXPECT_EQ(SetTraceAttribute(panel_, G_STRIP, 4, ATTR_TRACE_COLOR, 0), UIEIndexOutOfRange);
    EXPECT_EQ(SetTraceAttribute(panel_, G_STRIP, 1, ATTR_DIMMED, 0), UIEInvalidAttribute);
    EXPECT_EQ(SetTraceAttribute(panel_, G_SYM, 1, ATTR_TRACE_COLOR, 0), UIEInvalidControlType);

    std::vector<double> buf(300);
    for (int k = 0; k < 100; ++k) {
        buf[3 * k] = 500;
        buf[3 * k + 1] = 2000;  // trace 2, counted from 1
        buf[3 * k + 2] = 3500;
    }
    ASSERT_EQ(PlotStripChart(panel_, G_STRIP, buf.data(), 300, 0, 0, VAL_DOUBLE), 0);
    QWidget *w = uitest::CtrlWidget(panel_, G_STRIP);
    ASSERT_NE(w, nullptr);
    const QImage img = w->grab().toImage();
    // Lines may fall between pixel rows and be drawn antialiased: count the
    // pixels close to a colour rather than equal to it.
    auto count = [&img](int rgb) {
        const QColor want(QRgb(0xFF000000u | unsigned(rgb)));
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += std::abs(c.red() - want.red()) + std::abs(c.green() - want.green()) +
                         std::abs(c.blue() - want.blue()) <
                     40;
            }
        return n;
    };
    EXPECT_GT(count(0x00C0C0), 20);
    EXPECT_EQ(count(0x00A000), 0);  // the resource's colour for that trace is gone
    EXPECT_GT(count(0xFF0000), 20);
}

TEST_F(GraphApi, BadArgumentsChangeNothing)
{
    const double v[2] = {1, 2};
    ASSERT_GT(PlotXY(panel_, G_SYM, v, v, 2, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT,
                     VAL_SOLID, 1, 0), 0);
    auto plotXY = [&](const void *x, const void *y, int n, int type, int style, int color) {
        return PlotXY(panel_, G_SYM, x, y, n, type, type, style, VAL_NO_POINT, VAL_SOLID, 1,
                      color);
    };
    EXPECT_LT(plotXY(nullptr, v, 2, VAL_DOUBLE, VAL_THIN_LINE, 0), 0);
    EXPECT_LT(plotXY(v, nullptr, 2, VAL_DOUBLE, VAL_THIN_LINE, 0), 0);
    EXPECT_LT(plotXY(v, v, 0, VAL_DOUBLE, VAL_THIN_LINE, 0), 0);
    EXPECT_LT(plotXY(v, v, -2, VAL_DOUBLE, VAL_THIN_LINE, 0), 0);
    EXPECT_LT(plotXY(v, v, 2, VAL_STRING, VAL_THIN_LINE, 0), 0);
    EXPECT_LT(plotXY(v, v, 2, 42, VAL_THIN_LINE, 0), 0);
    EXPECT_LT(plotXY(v, v, 2, VAL_DOUBLE, 9, 0), 0);
    EXPECT_LT(plotXY(v, v, 2, VAL_DOUBLE, VAL_THIN_LINE, -5), 0);
    EXPECT_LT(PlotRectangle(panel_, G_SYM, std::nan(""), 0, 1, 1, 0, 0), 0);
    EXPECT_LT(DeleteGraphPlot(panel_, G_SYM, 0, VAL_IMMEDIATE_DRAW), 0);
    EXPECT_LT(DeleteGraphPlot(panel_, G_SYM, 999, VAL_IMMEDIATE_DRAW), 0);
    EXPECT_LT(DeleteGraphPlot(panel_, G_SYM, -1, 77), 0);
    EXPECT_EQ(uitest::GraphPlots(panel_, G_SYM).size(), 1u);

    EXPECT_LT(PlotStripChart(panel_, G_STRIP, nullptr, 3, 0, 0, VAL_DOUBLE), 0);
    EXPECT_LT(PlotStripChart(panel_, G_STRIP, v, 0, 0, 0, VAL_DOUBLE), 0);
    EXPECT_LT(PlotStripChart(panel_, G_STRIP, v, 1, -1, 0, VAL_DOUBLE), 0);
    EXPECT_LT(PlotStripChart(panel_, G_STRIP, v, 1, 0, -1, VAL_DOUBLE), 0);
    EXPECT_LT(PlotStripChart(panel_, G_STRIP, v, 1, 0, 0, VAL_STRING), 0);
    EXPECT_TRUE(uitest::StripChartTrace(panel_, G_STRIP, 0).empty());

    // Wrong control kinds, controls and panels.
    EXPECT_EQ(PlotStripChart(panel_, G_SYM, v, 2, 0, 0, VAL_DOUBLE), UIEInvalidControlType);
    EXPECT_EQ(PlotXY(panel_, G_STRIP, v, v, 2, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE,
                     VAL_NO_POINT, VAL_SOLID, 1, 0), UIEInvalidControlType);
    EXPECT_EQ(ClearStripChart(panel_, G_BUTTON), UIEInvalidControlType);
    EXPECT_EQ(DeleteGraphPlot(panel_, G_BUTTON, -1, VAL_IMMEDIATE_DRAW), UIEInvalidControlType);
    EXPECT_EQ(SetAxisScalingMode(panel_, 99, VAL_LEFT_YAXIS, VAL_MANUAL, 0, 1),
              UIEInvalidControlId);
    EXPECT_EQ(SetGraphCursor(panel_ + 1000, G_SYM, 1, 0, 0), UIEHandleInvalid);
    EXPECT_TRUE(uitest::GraphPlots(panel_, G_BUTTON).empty());
    EXPECT_TRUE(uitest::StripChartTrace(panel_, G_STRIP, 7).empty());
}
