// Live polling for 20 s against the simulator, over TCP loopback and over a
// pseudo-terminal paced at 19200 baud: frames per second beside the rate the
// 50 ms pause and the round trip allow, and the program's processor use.
#include <QApplication>

#include "bench_support.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

using namespace orvbench;

namespace {

constexpr double kRunS = 20.0;
constexpr double kPauseS = 0.050;
constexpr double kWireS = 0.0375;
constexpr double kCpuLimitPercent = 5.0;
constexpr double kRateShare = 0.85;  // of the rate pause and round trip allow

// Polls for kRunS seconds; returns the program's processor use in % of one core.
double PollForRunTime()
{
    const double cpu0 = CpuSeconds();
    const double elapsed = PollForSeconds(kRunS);
    return (CpuSeconds() - cpu0) / elapsed * 100;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;
    for (int pty = 0; pty <= 1; ++pty) {
        Rig rig(pty == 1, pty == 1);
        rig.sensor->clearFrameLog();
        const double cpuPercent = PollForRunTime();
        const auto frames = rig.sensor->receivedFrames().size();
        const double fps = frames / kRunS;
        const double roundTrip = pty ? kWireS : 0.001;
        const double allowed = 1.0 / (kPauseS + roundTrip);
        std::printf("%s: %zu frames in %.0f s (the pause and round trip allow %.1f/s)\n",
                    pty ? "pseudo-terminal paced at 19200 baud" : "TCP loopback", frames, kRunS,
                    allowed);
        ok &= Report("  frames per second", fps, "1/s", false, allowed * kRateShare);
        ok &= Report("  processor use while polling", cpuPercent, "%", true, kCpuLimitPercent);
    }
    return ok ? 0 : 1;
}
