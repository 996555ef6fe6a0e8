// The link log's cost: live polling over TCP loopback for 10 s with the log
// window closed, then 10 s with it open and showing every frame: frames per
// second and the program thread's processor use side by side, and the extra
// use of the open log beside its limit of 1 % of a core. Then 100,000 frames
// through the open log, which keeps the last 10,000 lines: the memory the
// second 50,000 add.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "bench_support.h"
#include "com232/link_log.h"
#include "gui/link_log_window.h"

using namespace orvbench;

namespace {

constexpr double kRunS = 10.0;
constexpr double kExtraCpuLimitPercent = 1.0;
constexpr double kRateShareOfClosed = 0.95;   // open, the log may not slow the polling
constexpr int kMemoryFrames = 100000;
constexpr double kMemoryLimitMb = 1.0;        // growth once the log has settled full
constexpr int kRefreshEvery = 1000;           // frames between view refreshes in the memory run

struct Run {
    double framesPerS;
    double cpuPercent;
};

Run Poll(orvbench::Rig &rig)
{
    rig.sensor->clearFrameLog();
    const double cpu0 = ThreadCpuSeconds();
    const double elapsed = PollForSeconds(kRunS);
    return {rig.sensor->receivedFrames().size() / elapsed,
            (ThreadCpuSeconds() - cpu0) / elapsed * 100};
}

// Resident memory of the process in MB.
double ResidentMb()
{
    FILE *f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4096.0 / (1024 * 1024);
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;
    {
        Rig rig(false, false);
        orvelle::CloseLinkLog();
        const Run closed = Poll(rig);
        orvelle::OpenLinkLog();
        const Run open = Poll(rig);
        std::printf("polling over TCP loopback, %.0f s each, the link log closed and open\n", kRunS);
        ok &= Report("  frames per second, log closed", closed.framesPerS, "1/s", false, 1.0);
        ok &= Report("  frames per second, log open", open.framesPerS, "1/s", false,
                     closed.framesPerS * kRateShareOfClosed);
        std::printf("%-44s %10.2f %%\n", "  processor use, log closed", closed.cpuPercent);
        std::printf("%-44s %10.2f %%\n", "  processor use, log open", open.cpuPercent);
        ok &= Report("  extra processor use of the open log", open.cpuPercent - closed.cpuPercent,
                     "%", true, kExtraCpuLimitPercent);

        // Frames straight through the hooks, the view refreshed as its timer does.
        orvelle::order = 5;
        double fullMb = 0;
        for (int i = 0; i < kMemoryFrames; ++i) {
            orvelle::szWriteBuf[35] = static_cast<char>(i);
            orvelle::LogRequest();
            if (i % kRefreshEvery == kRefreshEvery - 1)
                orvelle::RefreshLinkLog();
            // Full after 10,000 lines; the text's storage settles within a few
            // rounds more, so the second half shows whether anything still grows.
            if (i == kMemoryFrames / 2)
                fullMb = ResidentMb();
        }
        ok &= Report("  memory added by frames 50,000 to 100,000", ResidentMb() - fullMb, "MB",
                     true, kMemoryLimitMb);
    }
    return ok ? 0 : 1;
}
