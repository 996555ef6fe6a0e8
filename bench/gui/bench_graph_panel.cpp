// The graph panel fed with 1,000,000 recorded frames, as a recording of
// 14 hours at 20 frames/s leaves it: heap added per frame for all seven
// graphs together, the time SetPanelGraphData takes per frame, and the time
// to redraw the shown graph from scratch (another signal chosen, the window
// resized). The time per frame is the thread's processor time, which a
// busy machine does not inflate; the redraw is wall-clock time. Runs
// headless; QT_SCALE_FACTOR=2 measures at device pixel ratio 2.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

#include "app/orvelle.h"
#include "app/state.h"
#include "bench_support.h"
#include "gui/graph_panel.h"
#include "platform/rs232/rs232.h"
#include "platform/testing/testing.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

using namespace orvbench;
using namespace orvelle;

namespace {

constexpr int kFrames = 1000000;
constexpr int kNoSensorPort = 9;
constexpr double kBytesPerFrameLimit = 100;  // all seven graphs together
constexpr double kAddLimitUs = 50;
constexpr double kRedrawLimitMs = 30;
constexpr int kRedraws = 3;

// A frame of a passing target: slow swings with some noise, as recorded.
void SetFrame(int i)
{
    const double swing = std::sin(i * 0.002);
    const auto noise = static_cast<word>(i * 37 % 23);
    dataChL = static_cast<word>(2000 + 1500 * swing + noise);
    dataChC = static_cast<word>(2100 + 1400 * std::sin(i * 0.002 + 0.5) + noise);
    dataChR = static_cast<word>(1900 + 1300 * std::sin(i * 0.002 + 1.0) + noise);
    dataDensity = static_cast<word>((dataChL + dataChC + dataChR) / 3);
    dataSym1 = static_cast<word>(500 + 200 * swing);
    dataSym2 = static_cast<word>(500 - 150 * swing);
    dataTemp = static_cast<word>(31 + i / 200000);
}

// Milliseconds to paint the shown graph once its picture has to be made anew.
double RedrawMs(QWidget *graph)
{
    QElapsedTimer t;
    t.start();
    graph->repaint();
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (OpenProgramWithoutSensor(dir, kNoSensorPort) != 0)
        return 2;
    uitest::InjectEvent(datapanel, DATAP_ButtonShowGraph, EVENT_COMMIT);
    QWidget *chL = uitest::CtrlWidget(graphpanel, GRAPHP_GraphChL);
    QWidget *chC = uitest::CtrlWidget(graphpanel, GRAPHP_GraphChC);
    ProcessSystemEvents();
    std::printf("device pixel ratio %.1f, graph %d x %d\n", chL->devicePixelRatioF(),
                chL->width(), chL->height());

    InitPanelGraph();
    const std::size_t heap0 = HeapBytes();
    const double cpu0 = ThreadCpuSeconds();
    for (int i = 0; i < kFrames; ++i) {
        SetFrame(i);
        SetPanelGraphData();
    }
    const double addUs = (ThreadCpuSeconds() - cpu0) * 1e6 / kFrames;
    const double perFrame = double(HeapBytes() - heap0) / kFrames;

    // The first paint of CH_L, then CH_C (never painted yet), then resizes.
    double worst = RedrawMs(chL);
    uitest::OperatorSetValue(graphpanel, GRAPHP_EditSignal, 1);
    worst = std::max(worst, RedrawMs(chC));
    for (int k = 0; k < kRedraws; ++k) {
        chC->resize(chC->width() + (k % 2 ? -1 : 1), chC->height());
        worst = std::max(worst, RedrawMs(chC));
    }

    bool ok = true;
    std::printf("%d frames into the graph panel:\n", kFrames);
    ok &= Report("  heap per frame, seven graphs", perFrame, "bytes", true, kBytesPerFrameLimit);
    ok &= Report("  SetPanelGraphData per frame (processor)", addUs, "us", true, kAddLimitUs);
    ok &= Report("  redraw of the shown graph (worst)", worst, "ms", true, kRedrawLimitMs);
    CloseProgram();
    uitest::ResetUserInterface();
    SetProjectDirOverride(nullptr);
    return ok ? 0 : 1;
}
