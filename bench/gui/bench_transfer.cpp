// Parameter write and read (32 exchanges each) over TCP loopback and over a
// pseudo-terminal paced at 19200 baud: time per exchange beside the link's
// own time, and the processor time the program's thread used per exchange
// (the simulator's threads are left out), each beside its limit.
#include <QApplication>
#include <QTcpSocket>

#include "bench_support.h"
#include "gui/param_transfer.h"
#include "platform/userint/userint.h"
#include "sim/sim_frame.h"

using namespace orvbench;

namespace {

constexpr int kRounds = 5;
constexpr int kExchanges = 32;
constexpr double kWireMs = 37.5;            // 36 bytes each way at 19200 baud 8N1
constexpr double kTcpExchangeLimitMs = 0.3;  // the simulator's own takes some 0.03 ms
constexpr double kPtyOverheadMs = 1.0;       // what the program may add to the wire time
constexpr double kTcpCpuLimitMs = 0.1;       // program's processor time per exchange
constexpr double kPtyCpuLimitMs = 0.8;       // the reply wakes it once per byte or two

// The simulator's own time per exchange: a bare blocking client, no program.
double RawTcpExchangeMs(uint16_t port)
{
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", port);
    socket.waitForConnected(2000);
    sim::Frame request = sim::makeFrame(sim::kSyncWord, sim::kCmdReadRow);
    const int n = 200;
    const double start = Timer();
    for (int i = 0; i < n; ++i) {
        sim::setFrameWord(request, 2, static_cast<uint16_t>(i % 31));
        socket.write(reinterpret_cast<const char *>(request.data()), 36);
        socket.waitForBytesWritten(1000);
        qint64 got = 0;
        while (got < 36 && socket.waitForReadyRead(1000))
            got += socket.read(64).size();
    }
    return (Timer() - start) * 1000 / n;
}

struct Figures {
    double writeMs, readMs, cpuMs;
};

Figures Measure(Rig &rig)
{
    double write = 0, read = 0;
    const double cpu0 = ThreadCpuSeconds();
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
    (void)rig;
    constexpr int kAll = kRounds * kExchanges;
    return {write * 1000 / kAll, read * 1000 / kAll, (ThreadCpuSeconds() - cpu0) * 1000 / (2 * kAll)};
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;
    {
        Rig rig(false, false);
        const double raw = RawTcpExchangeMs(rig.sensor->tcpPort());
        const Figures f = Measure(rig);
        std::printf("TCP loopback (simulator's own exchange: %.2f ms)\n", raw);
        ok &= Report("  RAM write, per exchange", f.writeMs, "ms", true, kTcpExchangeLimitMs);
        ok &= Report("  RAM read, per exchange", f.readMs, "ms", true, kTcpExchangeLimitMs);
        ok &= Report("  processor time, per exchange", f.cpuMs, "ms", true, kTcpCpuLimitMs);
    }
    {
        Rig rig(true, true);
        const Figures f = Measure(rig);
        std::printf("pseudo-terminal paced at 19200 baud (wire time %.1f ms)\n", kWireMs);
        ok &= Report("  RAM write, per exchange", f.writeMs, "ms", true, kWireMs + kPtyOverheadMs);
        ok &= Report("  RAM read, per exchange", f.readMs, "ms", true, kWireMs + kPtyOverheadMs);
        ok &= Report("  processor time, per exchange", f.cpuMs, "ms", true, kPtyCpuLimitMs);
    }
    return ok ? 0 : 1;
}
