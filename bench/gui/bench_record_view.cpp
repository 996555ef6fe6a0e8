// A record file of 1,000,000 lines (14 hours at 20 frames/s) opened on the
// graph panel: the time from the OPEN FILE press to the first picture, the
// heap it holds per line, and the redraw of the graph from scratch over the
// whole recording and over one minute of it, with the three channels and
// with all eight signals. Redraws are wall-clock time, five each, their
// median held against the limit and the slowest printed beside it. Runs
// headless; QT_SCALE_FACTOR=2 measures at device pixel ratio 2.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <vector>

#include "app/orvelle.h"
#include "app/state.h"
#include "bench_support.h"
#include "gui/record_reader.h"
#include "platform/rs232/rs232.h"
#include "platform/testing/testing.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

using namespace orvbench;
using namespace orvelle;

namespace {

constexpr int kLines = 1000000;
constexpr int kPerSecond = 20;
constexpr int kNoSensorPort = 9;
constexpr double kOpenLimitS = 2.0;
constexpr double kBytesPerLineLimit = 100;
constexpr double kRedrawLimitMs = 30;
constexpr int kRedraws = 5;
constexpr double kMinute = 60;

bool WriteRecording(const std::string &path)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fputs(kRecordHeader, f);
    const std::int64_t t0 = RecordSeconds(2026, 3, 15, 6, 0, 0);
    char line[kRecordLineBytes], date[16], time[16];
    for (int i = 0; i < kLines; ++i) {
        RecordDateTime(t0 + i / kPerSecond, date, time);
        const double swing = std::sin(i * 0.002);
        const auto noise = static_cast<word>(i * 37 % 23);
        const word v[kRecordValues] = {
            word(2000 + 1500 * swing + noise), word(2100 + 1400 * std::sin(i * 0.002 + 0.5)),
            word(1900 + 1300 * std::sin(i * 0.002 + 1.0)), word(2000 + 1400 * swing),
            word(500 + 200 * swing), word(500 - 150 * swing), word(i / 5000 % 31), word(31 + i / 200000)};
        std::fwrite(line, 1, std::size_t(FormatRecordLine(v, date, time, line, sizeof line)), f);
    }
    return std::fclose(f) == 0;
}

// Repaints the graph in a frame it has not drawn yet: one pixel narrower or
// wider each time. Milliseconds, median and slowest of kRedraws.
void Redraws(QWidget *graph, double *median, double *worst)
{
    std::vector<double> ms;
    for (int k = 0; k < kRedraws; ++k) {
        graph->resize(graph->width() + (k % 2 ? -1 : 1), graph->height());
        QElapsedTimer t;
        t.start();
        graph->repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    *median = ms[ms.size() / 2];
    *worst = ms.back();
}

bool ReportRedraws(const char *what, QWidget *graph)
{
    double median = 0, worst = 0;
    Redraws(graph, &median, &worst);
    const bool ok = Report(what, median, "ms", true, kRedrawLimitMs);
    std::printf("%-44s %10.2f ms     (slowest of %d)\n", "", worst, kRedraws);
    return ok;
}

void SwitchAll(int on)
{
    for (int id = GRAPHP_ShowChL; id <= GRAPHP_ShowTemp; ++id)
        uitest::OperatorSetValue(graphpanel, id, id <= GRAPHP_ShowChR ? 1 : on);
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/recording.dat").toStdString();
    if (!WriteRecording(path) || OpenProgramWithoutSensor(dir, kNoSensorPort) != 0)
        return 2;
    uitest::InjectEvent(datapanel, DATAP_ButtonShowGraph, EVENT_COMMIT);
    ProcessSystemEvents();

    malloc_trim(0);
    const std::size_t heap0 = HeapBytes();
    QElapsedTimer open;
    open.start();
    uitest::PushFileSelection(path);
    uitest::InjectEvent(graphpanel, GRAPHP_ButtonOpenRecord, EVENT_COMMIT);
    QWidget *graph = uitest::CtrlWidget(graphpanel, GRAPHP_GraphRecord);
    graph->repaint();
    const double openS = open.nsecsElapsed() / 1e9;
    if (!gpRecord || gpRecord->lines() != std::size_t(kLines)) {
        std::fprintf(stderr, "the file did not open whole\n");
        return 2;
    }
    const double perLine = double(HeapBytes() - heap0) / kLines;
    std::printf("device pixel ratio %.1f, graph %d x %d\n", graph->devicePixelRatioF(),
                graph->width(), graph->height());

    bool ok = true;
    std::printf("a record file of %d lines on the graph panel:\n", kLines);
    ok &= Report("  open, read and first picture", openS, "s", true, kOpenLimitS);
    ok &= Report("  heap held per line", perLine, "bytes", true, kBytesPerLineLimit);
    ok &= ReportRedraws("  redraw, whole recording, 3 signals", graph);
    SwitchAll(1);
    ok &= ReportRedraws("  redraw, whole recording, 8 signals", graph);
    const double mid = gpRecord->x[kLines / 2];
    SetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, VAL_MANUAL, mid, mid + kMinute);
    ok &= ReportRedraws("  redraw, one minute, 8 signals", graph);
    SwitchAll(0);
    ok &= ReportRedraws("  redraw, one minute, 3 signals", graph);

    CloseProgram();
    uitest::ResetUserInterface();
    SetProjectDirOverride(nullptr);
    return ok ? 0 : 1;
}
