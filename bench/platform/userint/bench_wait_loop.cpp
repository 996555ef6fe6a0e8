// Benchmark of waiting loops built on ProcessSystemEvents, as the reply
// waits, the settle pause and the polling and recording loops use them:
// each loop only processes events until its limit of 3.0 s has passed,
// while another thread posts an event every 100 ms. Three loops run with
// the deadline given (ProcessSystemEventsUntil), three with plain calls.
// Prints the processor use in % of one core, the reaction latency to the
// posted events and how late the limit ended, each beside its limit; exits
// 1 when a limit is exceeded.
#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "bench_support.h"
#include "platform/userint/userint.h"

using orvbench::CpuSeconds;
using orvbench::Report;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLoops = 3;
constexpr double kLimitS = 3.0;   // the reply limit
constexpr auto kPostInterval = std::chrono::milliseconds(100);
constexpr double kCpuLimitPercent = 0.3;
constexpr double kPlainCpuLimitPercent = 1.5;  // wakes every 8 ms to look at the clock
constexpr double kMedianLatencyLimitMs = 1.0;
constexpr double kWorstLatencyLimitMs = 5.0;
constexpr double kOvershootLimitMs = 10.0;
const QEvent::Type kPing = static_cast<QEvent::Type>(QEvent::User + 1);

struct PingEvent : QEvent {
    explicit PingEvent(Clock::time_point at) : QEvent(kPing), posted(at) {}
    Clock::time_point posted;
};

// Notes how long each posted event waited before the loop handled it.
class Receiver : public QObject {
public:
    std::vector<double> latenciesMs;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != kPing)
            return QObject::event(e);
        auto waited = Clock::now() - static_cast<PingEvent *>(e)->posted;
        latenciesMs.push_back(std::chrono::duration<double, std::milli>(waited).count());
        return true;
    }
};

struct Figures {
    double cpuPercent = 0;
    double medianMs = 0, worstMs = 0;
    double overshootMs = 0;   // the latest end of a limit
};

// Runs kLoops waiting loops of kLimitS each while events are posted.
Figures RunLoops(bool withDeadline)
{
    Receiver receiver;
    std::atomic<bool> running{true};
    const Clock::time_point start = Clock::now();
    std::thread poster([&] {
        for (int i = 1; running; ++i) {
            std::this_thread::sleep_until(start + i * kPostInterval);
            if (running)
                QCoreApplication::postEvent(&receiver, new PingEvent(Clock::now()));
        }
    });
    Figures f;
    const double cpu0 = CpuSeconds(), wall0 = Timer();
    for (int i = 0; i < kLoops; ++i) {
        const double t0 = Timer();
        while (Timer() - t0 < kLimitS) {
            if (withDeadline)
                ProcessSystemEventsUntil(t0 + kLimitS);
            else
                ProcessSystemEvents();
        }
        f.overshootMs = std::max(f.overshootMs, (Timer() - t0 - kLimitS) * 1000);
    }
    f.cpuPercent = 100 * (CpuSeconds() - cpu0) / (Timer() - wall0);
    running = false;
    poster.join();
    QCoreApplication::sendPostedEvents(&receiver);
    std::vector<double> lat = receiver.latenciesMs;
    std::sort(lat.begin(), lat.end());
    if (!lat.empty()) {
        f.medianMs = lat[lat.size() / 2];
        f.worstMs = lat.back();
    }
    return f;
}

bool Print(const char *title, const Figures &f, double cpuLimit)
{
    std::printf("%s\n", title);
    bool ok = Report("  processor use while waiting", f.cpuPercent, "%", true, cpuLimit);
    ok &= Report("  reaction to an event, median", f.medianMs, "ms", true, kMedianLatencyLimitMs);
    ok &= Report("  reaction to an event, worst", f.worstMs, "ms", true, kWorstLatencyLimitMs);
    ok &= Report("  end of a 3.0 s limit, late by", f.overshootMs, "ms", true, kOvershootLimitMs);
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = Print("loops that give their deadline (reply waits, pauses)", RunLoops(true),
                    kCpuLimitPercent);
    ok &= Print("loops of plain calls", RunLoops(false), kPlainCpuLimitPercent);
    return ok ? 0 : 1;
}
