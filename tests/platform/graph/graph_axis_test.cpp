// The graph control's arithmetic: round steps, automatic ranges, ticks,
// labels, clipping, typed array conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/graph/graph_axis.h"
#include "platform/graph/graph_paint.h"
#include "platform/graph/graph_values.h"
#include "platform/userint/userint.h"

using plat::AxisRange;

TEST(GraphAxis, NiceStepRoundsUpToOneTwoFive)
{
    EXPECT_DOUBLE_EQ(plat::niceStep(0.7), 1);
    EXPECT_DOUBLE_EQ(plat::niceStep(1), 1);
    EXPECT_DOUBLE_EQ(plat::niceStep(1.3), 2);
    EXPECT_DOUBLE_EQ(plat::niceStep(3), 5);
    EXPECT_DOUBLE_EQ(plat::niceStep(819.2), 1000);
    EXPECT_DOUBLE_EQ(plat::niceStep(0.03), 0.05);
    EXPECT_DOUBLE_EQ(plat::niceStep(0), 1);
    EXPECT_DOUBLE_EQ(plat::niceStep(std::numeric_limits<double>::quiet_NaN()), 1);
}

TEST(GraphAxis, AutoscaleCoversDataOnRoundNumbers)
{
    EXPECT_EQ(plat::autoscaleRange(0, 4096), (AxisRange{0, 5000}));
    EXPECT_EQ(plat::autoscaleRange(930, 1000), (AxisRange{920, 1000}));
    EXPECT_EQ(plat::autoscaleRange(-3, 7), (AxisRange{-4, 8}));
    // A single value gets a span around it.
    const AxisRange one = plat::autoscaleRange(1000, 1000);
    EXPECT_LT(one.min, 1000);
    EXPECT_GT(one.max, 1000);
    const AxisRange zero = plat::autoscaleRange(0, 0);
    EXPECT_LT(zero.min, 0);
    EXPECT_GT(zero.max, 0);
    // Growing data keeps the range until a round step is crossed.
    EXPECT_EQ(plat::autoscaleRange(0, 81000), plat::autoscaleRange(0, 99999));
    EXPECT_NE(plat::autoscaleRange(0, 100001), plat::autoscaleRange(0, 99999));
    EXPECT_EQ(plat::autoscaleRange(0, std::numeric_limits<double>::infinity()), AxisRange{});
}

TEST(GraphAxis, TicksAreRoundAndInsideTheRange)
{
    double step = 0;
    const auto ticks = plat::axisTicks({0, 4096}, 5, &step);
    EXPECT_DOUBLE_EQ(step, 1000);
    ASSERT_EQ(ticks.size(), 5u);
    EXPECT_DOUBLE_EQ(ticks.front(), 0);
    EXPECT_DOUBLE_EQ(ticks.back(), 4000);

    const auto fine = plat::axisTicks({-0.3, 0.3}, 6, &step);
    EXPECT_DOUBLE_EQ(step, 0.1);
    ASSERT_EQ(fine.size(), 7u);
    EXPECT_EQ(fine[3], 0.0);  // snapped, not 5.55e-17

    EXPECT_TRUE(plat::axisTicks({5, 5}, 5, &step).empty());
    EXPECT_TRUE(plat::axisTicks({0, std::numeric_limits<double>::max()}, 1000000, &step).size() <=
                101);
}

TEST(GraphAxis, TickLabelsUseTheStepsDecimals)
{
    EXPECT_EQ(plat::tickLabel(1000, 500), "1000");
    EXPECT_EQ(plat::tickLabel(0.25, 0.05), "0.25");
    EXPECT_EQ(plat::tickLabel(0.2, 0.1), "0.2");
    EXPECT_EQ(plat::tickLabel(1e-17, 0.1), "0.0");
    EXPECT_EQ(plat::tickLabel(-20, 10), "-20");
    EXPECT_EQ(plat::tickLabel(2e9, 1e9), "2e+09");
}

TEST(GraphClip, SegmentsAreCutToTheArea)
{
    const QRectF r(0, 0, 100, 50);
    QPointF a(-50, 25), b(150, 25);
    ASSERT_TRUE(plat::clipSegment(r, a, b));
    EXPECT_DOUBLE_EQ(a.x(), 0);
    EXPECT_DOUBLE_EQ(b.x(), 100);

    a = {10, 10}, b = {20, 20};  // inside: unchanged
    ASSERT_TRUE(plat::clipSegment(r, a, b));
    EXPECT_EQ(a, QPointF(10, 10));
    EXPECT_EQ(b, QPointF(20, 20));

    a = {-10, -10}, b = {-1, 60};  // left of the area
    EXPECT_FALSE(plat::clipSegment(r, a, b));

    a = {50, -1e300}, b = {50, 1e300};  // huge, but crosses
    ASSERT_TRUE(plat::clipSegment(r, a, b));
    EXPECT_DOUBLE_EQ(a.y(), 0);
    EXPECT_DOUBLE_EQ(b.y(), 50);

    a = {std::nan(""), 0}, b = {10, 10};
    EXPECT_FALSE(plat::clipSegment(r, a, b));
}

TEST(GraphValues, EveryNumericTypeReadsAsDouble)
{
    const unsigned short us[] = {0, 65535};
    const short ss[] = {-32768, 7};
    const int in[] = {-5, 2000000000};
    const unsigned int ui[] = {4000000000u};
    const float fl[] = {1.5f};
    const double db[] = {-2.25};
    const signed char ch[] = {-128};
    const unsigned char uc[] = {255};
    EXPECT_EQ(plat::valueAt(us, VAL_UNSIGNED_SHORT_INTEGER, 1), 65535.0);
    EXPECT_EQ(plat::valueAt(ss, VAL_SHORT_INTEGER, 0), -32768.0);
    EXPECT_EQ(plat::valueAt(in, VAL_INTEGER, 1), 2000000000.0);
    EXPECT_EQ(plat::valueAt(ui, VAL_UNSIGNED_INTEGER, 0), 4000000000.0);
    EXPECT_EQ(plat::valueAt(fl, VAL_FLOAT, 0), 1.5);
    EXPECT_EQ(plat::valueAt(db, VAL_DOUBLE, 0), -2.25);
    EXPECT_EQ(plat::valueAt(ch, VAL_CHAR, 0), -128.0);
    EXPECT_EQ(plat::valueAt(uc, VAL_UNSIGNED_CHAR, 0), 255.0);
    EXPECT_EQ(plat::valueTypeSize(VAL_STRING), 0);
    EXPECT_EQ(plat::valueTypeSize(99), 0);
    EXPECT_EQ(plat::valueTypeSize(VAL_UNSIGNED_SHORT_INTEGER), 2);
}
