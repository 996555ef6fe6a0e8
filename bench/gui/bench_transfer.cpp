// Parameter write and read (32 exchanges each) over TCP loopback and over a
// pseudo-terminal paced at 19200 baud, beside the floor of the same run: the
// same number of exchanges made by a bare loop with a simulator of its own.
// Time per exchange is held against the bare loop's (over the paced line:
// the wire time as this machine delivers it); the processor time the
// program's thread used per exchange (the simulator's threads are left out)
// against the bare loop's, as a ratio, with its goal beside it; and how
// often the thread was woken per exchange, against the bare loop's.
#include <QApplication>

#include "bench_floor.h"
#include "bench_support.h"
#include "gui/param_transfer.h"
#include "platform/userint/userint.h"

using namespace orvbench;

namespace {

constexpr int kRounds = 5;
constexpr int kExchanges = 32;
constexpr int kAll = kRounds * kExchanges;    // per direction
constexpr double kNominalWireMs = 37.5;       // 36 bytes each way at 19200 baud 8N1

constexpr double kTcpExchangeLimitMs = 0.3;   // the bare loop's takes some 0.03 ms
constexpr double kTcpCpuRatioLimit = 5.0;     // program / bare loop, processor per exchange
constexpr double kTcpCpuGoalMs = 0.1;

constexpr double kPtyOverheadMs = 0.5;        // what the program may add to the wire time
constexpr double kPtyCpuRatioLimit = 3.0;
constexpr double kPtyCpuGoalMs = 0.2;
constexpr double kPtyWakesOverFloor = 4.0;    // wakes per exchange beyond the bare loop's

struct Figures {
    double writeMs, readMs, cpuMs, wakes;
};

Figures Measure()
{
    double write = 0, read = 0;
    const double cpu0 = ThreadCpuSeconds();
    const long wakes0 = ThreadWakes();
    for (int i = 0; i < kRounds; ++i) {
        double t = Timer();
        orvelle::SendPara();
        write += Timer() - t;
        t = Timer();
        orvelle::GetPara();
        read += Timer() - t;
        if (orvelle::comecho != 1) {
            std::fprintf(stderr, "transfer failed\n");
            std::exit(2);
        }
    }
    return {write * 1000 / kAll, read * 1000 / kAll,
            (ThreadCpuSeconds() - cpu0) * 1000 / (2 * kAll),
            static_cast<double>(ThreadWakes() - wakes0) / (2 * kAll)};
}

// The bare loop's figures and its wakes per exchange.
Floor MeasureFloor(bool pty, double *wakes)
{
    BareLink link(pty, pty);
    const long wakes0 = ThreadWakes();
    const Floor f = BareTransfer(link, 2 * kAll);
    *wakes = static_cast<double>(ThreadWakes() - wakes0) / (2 * kAll);
    return f;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;
    {
        double floorWakes = 0;
        const Floor floor = MeasureFloor(false, &floorWakes);
        Rig rig(false, false);
        const Figures f = Measure();
        std::printf("TCP loopback (the bare loop's exchange: %.3f ms)\n", floor.msPerExchange);
        ok &= Report("  RAM write, per exchange", f.writeMs, "ms", true, kTcpExchangeLimitMs);
        ok &= Report("  RAM read, per exchange", f.readMs, "ms", true, kTcpExchangeLimitMs);
        ok &= ReportOverFloor("  processor time, per exchange", f.cpuMs, floor.cpuMsPerExchange,
                              "ms", kTcpCpuRatioLimit, kTcpCpuGoalMs);
    }
    {
        double floorWakes = 0;
        const Floor floor = MeasureFloor(true, &floorWakes);
        Rig rig(true, true);
        const Figures f = Measure();
        std::printf("pseudo-terminal paced at 19200 baud (wire time %.2f ms as the bare loop "
                    "measured it, %.1f ms nominal)\n",
                    floor.msPerExchange, kNominalWireMs);
        ok &= Report("  RAM write, per exchange", f.writeMs, "ms", true,
                     floor.msPerExchange + kPtyOverheadMs);
        ok &= Report("  RAM read, per exchange", f.readMs, "ms", true,
                     floor.msPerExchange + kPtyOverheadMs);
        ok &= ReportOverFloor("  processor time, per exchange", f.cpuMs, floor.cpuMsPerExchange,
                              "ms", kPtyCpuRatioLimit, kPtyCpuGoalMs);
        std::printf("  (the bare loop: %.2f wakes per exchange)\n", floorWakes);
        ok &= Report("  wakes of the program's thread, per exchange", f.wakes, "", true,
                     floorWakes + kPtyWakesOverFloor);
    }
    return ok ? 0 : 1;
}
