// Live polling for 20 s against the simulator, over TCP loopback and over a
// pseudo-terminal paced at 19200 baud: frames per second and the program's
// processor use (its one thread; the simulator's threads are left out), each
// beside its limit. The 50 ms pause and the round trip allow 19.6 frames/s
// over TCP and 11.4 over the paced line; the limits leave the program some
// 1 ms per frame.
//
// Processor use differs by a tenth from one run to the next on a shared
// machine, so each link polls three times, each time freshly connected,
// and the median of the three is held against the limit.
#include <QApplication>

#include <algorithm>

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
constexpr int kRounds = 3;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

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
        const double roundTrip = pty ? kWireS : 0.001;
        std::printf("%s (the pause and round trip allow %.1f frames/s):\n",
                    pty ? "pseudo-terminal paced at 19200 baud" : "TCP loopback",
                    1.0 / (kPauseS + roundTrip));
        std::vector<double> rates, cpu;
        for (int round = 0; round < kRounds; ++round) {
            Rig rig(pty == 1, pty == 1);
            rig.sensor->clearFrameLog();
            cpu.push_back(PollForRunTime());
            const auto frames = rig.sensor->receivedFrames().size();
            rates.push_back(frames / kRunS);
            std::printf("  run %d: %zu frames in %.0f s, %.2f %% of a core\n", round + 1, frames,
                        kRunS, cpu.back());
        }
        ok &= Report("  frames per second (median)", Median(rates), "1/s", false,
                     pty ? kPtyMinRate : kTcpMinRate);
        ok &= Report("  processor use while polling (median)", Median(cpu), "%", true,
                     pty ? kPtyCpuLimitPercent : kTcpCpuLimitPercent);
    }
    return ok ? 0 : 1;
}
