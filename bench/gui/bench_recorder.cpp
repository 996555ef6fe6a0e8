// The recorder against the simulator. Triggered recording with the sensor
// sending as fast as it can, over TCP loopback (a frame every 10 ms) and
// over a pseudo-terminal paced at 19200 baud (a frame every 20 ms, just
// below the 18.75 ms a frame takes on the wire): frames sent beside lines
// written, and the processor time of the program's thread. Then a
// continuous recording at a 2 s interval: the processor time of the wait.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <sys/resource.h>

#include "bench_support.h"
#include "gui/recorder.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

using namespace orvbench;

namespace {

constexpr double kRunS = 10.0;
constexpr double kQuietS = 0.5;          // no frame for this long: all have arrived
constexpr int kSilentPeriodMs = 100000000;
constexpr int kTcpPeriodMs = 10;         // the simulator's fastest trigger
constexpr int kPtyPeriodMs = 20;
constexpr double kTriggeredCpuLimit = 20.0;  // % of one core at 100 frames/s
constexpr double kWaitRunS = 6.0;
constexpr int kWaitIntervalS = 2;
constexpr double kWaitCpuLimit = 3.0;    // % of one core while waiting out intervals
constexpr double kSentShare = 0.8;       // of the frames the trigger period makes

long DataLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return f.readAll().count('\n');
}

bool BenchTriggered(bool pty)
{
    Rig rig(pty, pty);
    const QString path = rig.dir.path() + "/trig.dat";
    ResetTextBox(orvelle::recpanel, RECP_DispRecFile, path.toLocal8Bit().constData());
    uitest::OperatorSetValue(orvelle::recpanel, RECP_EditSelectDataRec, orvelle::kRecTriggered);
    const int period = pty ? kPtyPeriodMs : kTcpPeriodMs;
    rig.sensor->setTriggerPeriodMs(period);

    const std::uint64_t sent0 = rig.sensor->bytesSent();
    const double start = Timer();
    const double cpu0 = ThreadCpuSeconds();
    double cpu = 0, busy = 0, quietSince = 0;
    std::uint64_t lastSent = 0;
    bool sending = true;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        const double now = Timer();
        if (sending) {
            if (now - start < kRunS)
                return;
            cpu = ThreadCpuSeconds() - cpu0;
            busy = now - start;
            rig.sensor->setTriggerPeriodMs(kSilentPeriodMs);
            sending = false;
            quietSince = now;
            return;
        }
        const std::uint64_t sent = rig.sensor->bytesSent();
        if (sent != lastSent) {
            lastSent = sent;
            quietSince = now;
        } else if (now - quietSince > kQuietS) {
            driver.stop();
            uitest::InjectEvent(orvelle::recpanel, RECP_ButtonStopTrigRec, EVENT_COMMIT);
        }
    });
    driver.start(20);
    uitest::InjectEvent(orvelle::recpanel, RECP_ButtonStartTrigRec, EVENT_COMMIT);

    const double frames = double((rig.sensor->bytesSent() - sent0) / 36);
    const double lines = double(DataLines(path));
    std::printf("%s, a frame every %d ms, %.0f s:\n",
                pty ? "pseudo-terminal paced at 19200 baud" : "TCP loopback", period, kRunS);
    bool ok = Report("  frames sent", frames, "", false, kRunS * 1000 / period * kSentShare);
    ok &= Report("  lines written", lines, "", false, frames);
    ok &= Report("  frames lost", frames - lines, "", true, 0);
    ok &= Report("  processor use of the program's thread", cpu / busy * 100, "%", true,
                 kTriggeredCpuLimit);
    return ok;
}

bool BenchIntervalWait()
{
    Rig rig(false, false);
    const QString path = rig.dir.path() + "/interval.dat";
    ResetTextBox(orvelle::recpanel, RECP_DispRecFile, path.toLocal8Bit().constData());
    uitest::OperatorSetValue(orvelle::recpanel, RECP_EditSelectDataRec, orvelle::kRecContinuous);
    uitest::OperatorSetValue(orvelle::recpanel, RECP_EditInterval, kWaitIntervalS);
    const double start = Timer();
    const double cpu0 = ThreadCpuSeconds();
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (Timer() - start >= kWaitRunS)
            uitest::InjectEvent(orvelle::recpanel, RECP_ButtonStopRecord, EVENT_COMMIT);
    });
    stopper.start(50);
    uitest::InjectEvent(orvelle::recpanel, RECP_ButtonStartRecord, EVENT_COMMIT);
    const double cpu = (ThreadCpuSeconds() - cpu0) / (Timer() - start) * 100;
    std::printf("continuous recording, interval %d s, %.0f s: %ld lines\n", kWaitIntervalS,
                kWaitRunS, DataLines(path));
    return Report("  processor use while waiting out intervals", cpu, "%", true, kWaitCpuLimit);
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = BenchTriggered(false);
    ok &= BenchTriggered(true);
    ok &= BenchIntervalWait();
    return ok ? 0 : 1;
}
