// Live polling for 20 s against the simulator, over TCP loopback and over a
// pseudo-terminal paced at 19200 baud: frames per second and the program's
// processor use (its one thread; the simulator's threads are left out), each
// beside its limit. The 50 ms pause and the round trip allow 19.6 frames/s
// over TCP and 11.4 over the paced line; the limits leave the program some
// 1 ms per frame.
#include <QApplication>

#include "bench_support.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

using namespace orvbench;

namespace {

constexpr double kRunS = 20.0;
constexpr double kPauseS = 0.050;
constexpr double kWireS = 0.0375;
constexpr double kTcpMinRate = 19.4;          // frames/s
constexpr double kPtyMinRate = 11.2;
constexpr double kTcpCpuLimitPercent = 1.5;   // of one core
constexpr double kPtyCpuLimitPercent = 2.0;

// Polls for kRunS seconds; returns the program's processor use in % of one core.
double PollForRunTime()
{
    const double cpu0 = ThreadCpuSeconds();
    const double elapsed = PollForSeconds(kRunS);
    return (ThreadCpuSeconds() - cpu0) / elapsed * 100;
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
        ok &= Report("  frames per second", fps, "1/s", false, pty ? kPtyMinRate : kTcpMinRate);
        ok &= Report("  processor use while polling", cpuPercent, "%", true,
                     pty ? kPtyCpuLimitPercent : kTcpCpuLimitPercent);
    }
    return ok ? 0 : 1;
}
