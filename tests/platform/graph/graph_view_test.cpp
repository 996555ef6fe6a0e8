// Looking into a graph: the zoom and time axis arithmetic, shared plots
// drawn from a few points per pixel column, and the operator's wheel, drag,
// double click and pointer on a real widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "picture_match.h"
#include "platform/graph/graph_time.h"
#include "platform/graph/graph_widget.h"
#include "platform/userint/userint.h"

using plat::AxisRange;
using Mode = GraphWidget::Mode;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const double k0315 = 1773532800;  // 03-15-2026 00:00:00, seconds

struct ZoomCase {
    const char *name;
    AxisRange r;
    double at, factor;
    AxisRange want;
};

const ZoomCase kZooms[] = {
    {"InAboutTheMiddle", {0, 100}, 50, 0.5, {25, 75}},
    {"InAboutTheLeftEnd", {0, 100}, 0, 0.5, {0, 50}},
    {"OutAboutAPointOffCentre", {0, 100}, 80, 2, {-80, 120}},
    {"NoNarrowerThanTheDoublesResolve", {1e9, 1e9 + 1}, 1e9, 1e-9, {1e9, 1e9 + 1e-3}},
    {"NoWiderThanAnyAxis", {0, 1e299}, 0, 1e6, {0, 1e300}},
    {"ANotFinitePointChangesNothing", {0, 100}, kNaN, 0.5, {0, 100}},
    {"AZeroFactorChangesNothing", {0, 100}, 50, 0, {0, 100}},
};

void PrintTo(const ZoomCase &c, std::ostream *os)
{
    *os << c.name;
}

class Zoom : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(Zoom, KeepsThePointWhereItWas)
{
    const ZoomCase &c = GetParam();
    const AxisRange z = plat::zoomAbout(c.r, c.at, c.factor);
    EXPECT_NEAR(z.min, c.want.min, std::fabs(c.want.max - c.want.min) * 1e-9);
    EXPECT_NEAR(z.max, c.want.max, std::fabs(c.want.max - c.want.min) * 1e-9);
}

INSTANTIATE_TEST_SUITE_P(GraphView, Zoom, ::testing::ValuesIn(kZooms),
                         [](const auto &info) { return std::string(info.param.name); });

struct TimeCase {
    const char *name;
    double from, to;  // seconds after 03-15-2026 00:00:00
    int maxTicks;
    double step;
    const char *firstLabel;
};

const TimeCase kTimes[] = {
    {"AMinuteInTenSeconds", 14 * 3600 + 3, 14 * 3600 + 63, 6, 10, "14:00:10"},
    {"ASecondInFifths", 50709, 50710, 5, 0.2, "14:05:09.0"},
    {"TenMinutesInWholeMinutes", 3600, 4200, 7, 120, "01:00"},
    {"ADayFromEightInSixHours", 8 * 3600, 32 * 3600, 6, 21600, "12:00"},
    {"ThreeDaysInDays", 0, 3 * 86400, 5, 86400, "03-15"},
};

void PrintTo(const TimeCase &c, std::ostream *os)
{
    *os << c.name;
}

class TimeAxis : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeAxis, TicksOnRoundTimesOfTheDay)
{
    const TimeCase &c = GetParam();
    double step = 0;
    const auto ticks = plat::timeTicks({k0315 + c.from, k0315 + c.to}, c.maxTicks, &step);
    EXPECT_DOUBLE_EQ(step, c.step);
    ASSERT_FALSE(ticks.empty());
    EXPECT_LE(ticks.size(), std::size_t(c.maxTicks) + 1);
    EXPECT_GE(ticks.front(), k0315 + c.from);
    EXPECT_LE(ticks.back(), k0315 + c.to);
    EXPECT_EQ(plat::timeLabel(ticks.front(), step).toStdString(), c.firstLabel);
}

INSTANTIATE_TEST_SUITE_P(GraphView, TimeAxis, ::testing::ValuesIn(kTimes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(GraphView, TimeLabelsRoundBeforeTheyCut)
{
    EXPECT_EQ(plat::timeLabel(k0315 + 50709.96, 0.1).toStdString(), "14:05:10.0");
    EXPECT_EQ(plat::timeRangeDates({k0315 + 10, k0315 + 20}).toStdString(), "03-15-2026");
    EXPECT_EQ(plat::timeRangeDates({k0315 + 10, k0315 + 86400}).toStdString(),
              "03-15-2026 to 03-16-2026");
}

bool red(QRgb p)
{
    return qRed(p) - std::max(qGreen(p), qBlue(p)) > 100;
}

struct Columns {
    std::vector<double> x;
    std::vector<std::uint16_t> y;
};

// 200,000 noisy points over x 0 .. 1000, as a long recording gives.
std::shared_ptr<Columns> noisy(bool shuffleTwo)
{
    auto c = std::make_shared<Columns>();
    for (int i = 0; i < 200000; ++i) {
        c->x.push_back(i * 0.005);
        c->y.push_back(std::uint16_t(2000 + 1500 * std::sin(i * 0.0002) + (i * 37 % 301)));
    }
    if (shuffleTwo)
        std::swap(c->x[10], c->x[11]);
    return c;
}

TEST(GraphView, ASharedPlotCoversWhatItsPointsCopiedWould)
{
    for (bool ascending : {true, false}) {
        SCOPED_TRACE(ascending ? "ascending" : "not ascending");
        const auto c = noisy(!ascending);
        std::vector<double> y(c->y.begin(), c->y.end());
        GraphWidget shared(Mode::Graph), copied(Mode::Graph);
        for (GraphWidget *g : {&shared, &copied}) {
            g->resize(300, 200);
            ASSERT_EQ(g->setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 0, 4096), 0);
        }
        for (AxisRange x : {AxisRange{0, 1000}, AxisRange{400.2, 401.7}}) {
            SCOPED_TRACE(x.min);
            for (GraphWidget *g : {&shared, &copied})
                ASSERT_EQ(g->setAxisScaling(VAL_BOTTOM_XAXIS, VAL_MANUAL, x.min, x.max), 0);
            if (shared.numPlots() == 0) {
                ASSERT_GT(shared.addShared({c, c->x.data(), c->y.data(), VAL_UNSIGNED_SHORT_INTEGER,
                                            c->x.size()}, 0xFF0000), 0);
                ASSERT_GT(copied.addXY(c->x.data(), y.data(), int(y.size()), 0xFF0000, true,
                                       false, false), 0);
            }
            const QImage a = shared.grab().toImage(), b = copied.grab().toImage();
            EXPECT_EQ(graphtest::strayPixels(a, b, red), 0);
            EXPECT_EQ(graphtest::strayPixels(b, a, red), 0);
        }
    }
}

// A shown graph of one shared line from (0, 0) to (1000, 1000) with zoom
// and pan on, and what the operator's acts report.
class Operator : public ::testing::Test {
protected:
    void SetUp() override
    {
        line_->x = {0, 1000};
        line_->y = {0, 1000};
        g_.resize(400, 300);
        g_.setAxisScaling(VAL_BOTTOM_XAXIS, VAL_MANUAL, 0, 1000);
        g_.setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
        g_.addShared({line_, line_->x.data(), line_->y.data(), VAL_DOUBLE, 2}, 0xFF0000);
        g_.setZoomAndPan(true);
        g_.setOperatorHandler([this](int e, int d1, int) { events_.push_back({e, d1}); });
        g_.show();
        Paint();
    }
    void Paint() { g_.grab(); }
    AxisRange Range(int axis) const
    {
        int mode = 0;
        AxisRange r;
        g_.axisScaling(axis, &mode, &r.min, &r.max);
        return r;
    }
    // The data value under pixel p of the graph as painted now.
    QPointF DataAt(QPointF p)
    {
        Paint();
        const QRectF a = g_.plotArea();
        return {plat::valueAtPixel(Range(VAL_BOTTOM_XAXIS), a.left(), a.right(), p.x()),
                plat::valueAtPixel(Range(VAL_LEFT_YAXIS), a.bottom(), a.top(), p.y())};
    }
    void Wheel(QPointF at, int notches, Qt::KeyboardModifiers mods = {})
    {
        QWheelEvent e(at, g_.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&g_, &e);
    }
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, at, g_.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&g_, &e);
    }
    struct Line {
        std::vector<double> x, y;
    };
    std::shared_ptr<Line> line_ = std::make_shared<Line>();
    GraphWidget g_{Mode::Graph};
    std::vector<std::pair<int, int>> events_;
};

TEST_F(Operator, WheelAndDragKeepTheDataUnderThePointerAndADoubleClickShowsAll)
{
    const AxisRange x0 = Range(VAL_BOTTOM_XAXIS), y0 = Range(VAL_LEFT_YAXIS);
    const QRectF a = g_.plotArea();
    const QPointF p(a.left() + a.width() * 0.3, a.top() + a.height() * 0.6);
    const QPointF under = DataAt(p);

    Wheel(p, 2);  // x zooms in about the pointer
    const AxisRange x1 = Range(VAL_BOTTOM_XAXIS);
    EXPECT_NEAR((x1.max - x1.min) / (x0.max - x0.min), 0.64, 1e-9);
    EXPECT_NEAR(DataAt(p).x(), under.x(), 1e-6 * (x1.max - x1.min));
    EXPECT_EQ(Range(VAL_LEFT_YAXIS), y0);

    Wheel(p, -1, Qt::ControlModifier);  // y zooms out about it
    const AxisRange y1 = Range(VAL_LEFT_YAXIS);
    EXPECT_NEAR((y1.max - y1.min) / (y0.max - y0.min), 1.25, 1e-9);
    EXPECT_NEAR(DataAt(p).y(), under.y(), 1e-6 * (y1.max - y1.min));

    // A drag carries what was under the press to where the button is let go.
    const QPointF q = p + QPointF(-90, 40);
    const QPointF grabbed = DataAt(p);
    Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, (p + q) / 2, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, q, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, q, Qt::LeftButton, Qt::NoButton);
    const QPointF now = DataAt(q);
    EXPECT_NEAR(now.x(), grabbed.x(), 1e-6 * (x1.max - x1.min));
    EXPECT_NEAR(now.y(), grabbed.y(), 1e-6 * (y1.max - y1.min));

    Mouse(QEvent::MouseButtonDblClick, q, Qt::LeftButton, Qt::LeftButton);
    int mode = -1;
    double lo = 0, hi = 0;
    g_.axisScaling(VAL_LEFT_YAXIS, &mode, &lo, &hi);
    EXPECT_EQ(mode, VAL_AUTOSCALE);
    EXPECT_EQ(Range(VAL_BOTTOM_XAXIS), x0);
    EXPECT_EQ(Range(VAL_LEFT_YAXIS), y0);
}

TEST_F(Operator, ThePointerCarriesCursorOneAndOnlyWhenAsked)
{
    const QRectF a = g_.plotArea();
    const QPointF p(a.left() + a.width() * 0.25, a.top() + a.height() * 0.5);
    Mouse(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(events_.size(), 1u);
    EXPECT_EQ(events_[0], std::make_pair(EVENT_VAL_CHANGED, 1));
    double cx = 0, cy = 0;
    g_.cursor(1, &cx, &cy);
    EXPECT_NEAR(cx, DataAt(p).x(), 1e-9);
    EXPECT_NEAR(cy, DataAt(p).y(), 1e-9);
    // Outside the plot area the cursor stays.
    Mouse(QEvent::MouseMove, QPointF(1, 1), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(events_.size(), 1u);

    g_.setZoomAndPan(false);
    const AxisRange x = Range(VAL_BOTTOM_XAXIS);
    Wheel(p, 3);
    Mouse(QEvent::MouseMove, p + QPointF(30, 0), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(Range(VAL_BOTTOM_XAXIS), x);
    EXPECT_EQ(events_.size(), 1u);
}

}  // namespace
