// orvelle-sensor-sim: the sensor simulator as a program of its own, for
// demos, benchmarks and trying the operator program by hand.
#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "sim/sensor_sim.h"
#include "sim/sim_options.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitLinkFailed = 1;

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    sim::SimConfig config;
    std::string error;
    switch (sim::parseSimArgs(args, &config, &error)) {
    case sim::ParseResult::Help:
        std::fputs(sim::simUsage().c_str(), stdout);
        return 0;
    case sim::ParseResult::Error:
        std::fprintf(stderr, "orvelle-sensor-sim: %s\n(--help lists the options)\n", error.c_str());
        return kExitUsage;
    case sim::ParseResult::Run:
        break;
    }

    // Block the stop signals in every thread; the main thread takes them
    // with sigwait, so a signal never interrupts the simulator mid-frame.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    // A program that closes its end early must not kill the simulator.
    std::signal(SIGPIPE, SIG_IGN);

    QCoreApplication app(argc, argv);
    sim::SensorSim sensor(config);
    if (!sensor.start(&error)) {
        std::fprintf(stderr, "orvelle-sensor-sim: %s\n", error.c_str());
        return kExitLinkFailed;
    }
    if (!sensor.lastError().empty())
        std::fprintf(stderr, "orvelle-sensor-sim: EEPROM file not used: %s\n", sensor.lastError().c_str());
    if (config.tcp)
        std::printf("TCP %s:%u\n", config.tcpHost.c_str(), unsigned{sensor.tcpPort()});
    if (config.pty)
        std::printf("PTY %s\n", sensor.ptyPath().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    sensor.stop();
    return 0;
}
