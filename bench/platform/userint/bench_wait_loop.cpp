// Benchmark of a waiting loop built on ProcessSystemEvents, as the polling
// and recording loops use it: for 10 s the loop only calls
// ProcessSystemEvents while another thread posts an event every 100 ms.
// Prints the processor use in % of one core and the worst and median
// reaction latency, each beside its limit; exits 1 when a limit is exceeded.
//
// Runs headless (QT_QPA_PLATFORM=offscreen is set when empty).
#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <thread>
#include <vector>

#include "platform/userint/userint.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kRunTime = std::chrono::seconds(10);
constexpr auto kPostInterval = std::chrono::milliseconds(100);
constexpr double kCpuLimitPercent = 5.0;
constexpr double kLatencyLimitMs = 5.0;
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

double cpuSeconds()
{
    struct rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool report(const char *name, double figure, const char *unit, double limit)
{
    bool ok = figure <= limit;
    std::printf("%-36s %8.2f %-6s limit <= %6.2f %-6s %s\n", name, figure, unit, limit, unit,
                ok ? "ok" : "OVER");
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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

    const double cpuStart = cpuSeconds();
    while (Clock::now() - start < kRunTime)
        ProcessSystemEvents();
    const double cpu = cpuSeconds() - cpuStart;
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    running = false;
    poster.join();

    std::vector<double> lat = receiver.latenciesMs;
    if (lat.empty()) {
        std::printf("no event arrived\n");
        return 1;
    }
    std::sort(lat.begin(), lat.end());
    std::printf("%zu events in %.1f s\n", lat.size(), wall);
    bool ok = report("processor use while waiting", 100.0 * cpu / wall, "%", kCpuLimitPercent);
    ok &= report("reaction latency, median", lat[lat.size() / 2], "ms", kLatencyLimitMs);
    ok &= report("reaction latency, worst", lat.back(), "ms", kLatencyLimitMs);
    return ok ? 0 : 1;
}
