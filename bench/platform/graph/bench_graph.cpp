// Benchmark of the graph control with the load of a day-long recording:
// 100,000 two-point segments, each its own plot, as the graph panel adds
// them; and a strip chart fed 300 values per frame. Each figure is printed
// beside its limit; the exit code is 1 when a limit is exceeded.
//
// Runs headless (QT_QPA_PLATFORM=offscreen is set when empty). Run it with
// QT_SCALE_FACTOR=2 to measure at device pixel ratio 2.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <vector>

#include "platform/graph/graph_widget.h"
#include "platform/userint/userint.h"

namespace {

constexpr int kSegments = 100000;
constexpr int kMoreSegments = 100;       // one more, each with a repaint
constexpr int kFullRepaints = 5;
constexpr int kStripFrames = 200;
constexpr int kStripValues = 300;
constexpr int kWidth = 640, kHeight = 360;  // a graph panel graph

constexpr double kAddAllLimitMs = 2000;
constexpr double kOneMoreLimitMs = 16;      // median, one frame at 60 Hz
constexpr double kRescaleLimitMs = 500;     // worst case: the range grew, full rebuild
constexpr double kFullRepaintLimitMs = 500;
constexpr double kBytesPerSegmentLimit = 200;
constexpr double kStripFrameLimitMs = 5;    // 15 frames/s leaves 66 ms per frame

long residentBytes()
{
    long pages = 0, resident = 0;
    FILE *f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(f);
    return resident * sysconf(_SC_PAGESIZE);
}

double value(int i)
{
    return 2000 + 1500 * std::sin(i * 0.01) + (i * 37 % 101);
}

int addSegment(GraphWidget &g, int i)
{
    const double x[2] = {double(i - 1), double(i)}, y[2] = {value(i - 1), value(i)};
    return g.addXY(x, y, 2, 0xFF8000, true, false, false);
}

bool report(const char *what, double figure, double limit, const char *unit)
{
    const bool ok = figure <= limit;
    std::printf("%-44s %10.2f %-5s limit %8.1f %-5s %s\n", what, figure, unit, limit, unit,
                ok ? "ok" : "EXCEEDED");
    return ok;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

bool benchSegments()
{
    GraphWidget g(GraphWidget::Mode::Graph);
    g.resize(kWidth, kHeight);
    g.setAxisScaling(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0);
    g.setAxisScaling(VAL_BOTTOM_XAXIS, VAL_AUTOSCALE, 0, 0);
    g.show();
    QApplication::processEvents();
    g.repaint();
    std::printf("device pixel ratio %.1f, %d x %d\n", g.devicePixelRatioF(), kWidth, kHeight);

    const long before = residentBytes();
    QElapsedTimer t;
    t.start();
    for (int i = 1; i <= kSegments; ++i)
        addSegment(g, i);
    const double addAll = t.nsecsElapsed() / 1e6;
    const long after = residentBytes();

    t.restart();
    g.repaint();  // draws all 100,000 onto the cache
    const double firstPaint = t.nsecsElapsed() / 1e6;

    std::vector<double> more;
    for (int i = 1; i <= kMoreSegments; ++i) {
        t.restart();
        addSegment(g, kSegments + i);
        g.repaint();
        more.push_back(t.nsecsElapsed() / 1e6);
    }

    std::vector<double> full;
    for (int k = 0; k < kFullRepaints; ++k) {
        g.resize(kWidth + (k % 2 ? 0 : 1), kHeight);  // a resize drops the cache
        t.restart();
        g.repaint();
        full.push_back(t.nsecsElapsed() / 1e6);
    }

    bool ok = true;
    ok &= report("add 100,000 two-point segments", addAll, kAddAllLimitMs, "ms");
    ok &= report("first paint of 100,000 segments", firstPaint, kFullRepaintLimitMs, "ms");
    ok &= report("one more segment + repaint (median)", median(more), kOneMoreLimitMs, "ms");
    ok &= report("one more segment + repaint (worst)",
                 *std::max_element(more.begin(), more.end()), kRescaleLimitMs, "ms");
    ok &= report("full repaint from scratch (worst of 5)",
                 *std::max_element(full.begin(), full.end()), kFullRepaintLimitMs, "ms");
    ok &= report("memory per segment", double(after - before) / kSegments,
                 kBytesPerSegmentLimit, "bytes");
    return ok;
}

bool benchStrip()
{
    GraphWidget s(GraphWidget::Mode::StripChart);
    s.resize(kWidth, kHeight);
    s.setNumTraces(3);
    s.setPointsPerScreen(101);
    s.show();
    QApplication::processEvents();
    std::vector<double> buf(kStripValues);
    QElapsedTimer t;
    std::vector<double> frames;
    for (int f = 0; f < kStripFrames; ++f) {
        for (int k = 0; k < kStripValues; ++k)
            buf[k] = value(f * kStripValues + k);
        t.restart();
        // The density view sets a fresh range every frame in zoom mode.
        s.setAxisScaling(VAL_LEFT_YAXIS, VAL_MANUAL, 400 - f % 3, 4000 + f % 5);
        s.setPointsPerScreen(101);
        s.appendStrip(buf.data(), kStripValues);
        s.repaint();
        frames.push_back(t.nsecsElapsed() / 1e6);
    }
    return report("strip chart: 300 values + repaint (median)", median(frames),
                  kStripFrameLimitMs, "ms");
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = benchSegments();
    ok &= benchStrip();
    return ok ? 0 : 1;
}
