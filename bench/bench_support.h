// Shared by the benchmarks: the program started headless against an
// in-process simulator, processor time, and printing a figure beside its limit.
#pragma once

#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <malloc.h>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <time.h>

#include "app/orvelle.h"
#include "app/state.h"
#include "gui/polling.h"
#include "platform/rs232/rs232.h"
#include "platform/testing/testing.h"
#include "platform/utility/utility.h"
#include "sim/sensor_sim.h"

namespace orvbench {

constexpr int kBenchComPort = 9;

// Processor time of the whole process, every thread.
inline double CpuSeconds()
{
    struct rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Processor time of the calling thread. The program runs on one thread; the
// simulator of a Rig has threads of its own, which this leaves out.
inline double ThreadCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// Runs the polling loop (GO) for about `seconds`, stopped from inside its own
// event processing as the STOP button does; returns the seconds it ran.
inline double PollForSeconds(double seconds)
{
    const double start = Timer();
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (Timer() - start >= seconds)
            orvelle::poll = 0;
    });
    stopper.start(100);
    orvelle::GetData();
    return Timer() - start;
}

// Bytes the heap holds now.
inline std::size_t HeapBytes()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Starts the program headless in dir with settings of a serial port that
// does not exist, so the start-up's connection attempt fails at once;
// popups are scripted. Returns OpenProgram's result.
inline int OpenProgramWithoutSensor(const QTemporaryDir &dir, int comPort)
{
    SetProjectDirOverride(dir.path().toLocal8Bit().constData());
    SetComPortDevice(comPort, "/nonexistent/orvelle-bench-port");
    if (FILE *f = std::fopen((dir.path() + "/ComSettings.cfg").toLocal8Bit().constData(), "wb")) {
        std::fprintf(f, "0\r\n%d\r\n\r\n\r\n", comPort);
        std::fclose(f);
    }
    uitest::ScriptPopups(true);
    return orvelle::OpenProgram();
}

// Prints one line "name  figure unit  (limit: op value unit)  ok|OVER" and
// returns whether the figure keeps the limit.
inline bool Report(const char *name, double figure, const char *unit, bool upper, double limit)
{
    const bool ok = upper ? figure <= limit : figure >= limit;
    std::printf("%-44s %10.2f %-6s limit %s %9.2f %-6s %s\n", name, figure, unit,
                upper ? "<=" : ">=", limit, unit, ok ? "ok" : "OVER");
    std::fflush(stdout);
    return ok;
}

// Prints a processor figure beside the floor measured in the same run (the
// same work done by a bare loop), and their ratio beside its limit, which is
// what the verdict holds: the ratio carries from one machine to the next.
// The absolute figure is printed against its goal as well. Returns whether
// the ratio keeps its limit.
inline bool ReportOverFloor(const char *name, double figure, double floor, const char *unit,
                            double ratioLimit, double goal)
{
    const double ratio = floor > 0 ? figure / floor : 0;
    const bool ok = floor > 0 && ratio <= ratioLimit;
    std::printf("%-44s %10.3f %-6s floor %7.3f %-3s ratio %5.2f limit <= %5.2f %-4s goal <= %.2f %s: %s\n",
                name, figure, unit, floor, unit, ratio, ratioLimit, ok ? "ok" : "OVER", goal, unit,
                figure <= goal ? "met" : "missed");
    std::fflush(stdout);
    return ok;
}

// Voluntary context switches of the calling thread: how often it slept and
// was woken.
inline long ThreadWakes()
{
    struct rusage u {};
    getrusage(RUSAGE_THREAD, &u);
    return u.ru_nvcsw;
}

// The program with its panels, connected to a simulator on TCP or a pty.
class Rig {
public:
    explicit Rig(bool pty, bool paced)
    {
        sim::SimConfig config;
        config.tcp = !pty;
        config.pty = pty;
        config.paced = paced;
        sensor = std::make_unique<sim::SensorSim>(config);
        std::string error;
        if (!sensor->start(&error)) {
            std::fprintf(stderr, "simulator: %s\n", error.c_str());
            std::exit(2);
        }
        SetProjectDirOverride(dir.path().toLocal8Bit().constData());
        FILE *f = std::fopen((dir.path() + "/ComSettings.cfg").toLocal8Bit().constData(), "wb");
        if (pty) {
            SetComPortDevice(kBenchComPort, sensor->ptyPath().c_str());
            std::fprintf(f, "0\r\n%d\r\n\r\n\r\n", kBenchComPort);
        } else {
            std::fprintf(f, "1\r\n1\r\n127.0.0.1\r\n%d\r\n", sensor->tcpPort());
        }
        std::fclose(f);
        uitest::ScriptPopups(true);
        if (orvelle::OpenProgram() != 0 || orvelle::comecho != 1) {
            std::fprintf(stderr, "the program did not connect\n");
            std::exit(2);
        }
    }
    ~Rig()
    {
        orvelle::CloseProgram();
        uitest::ResetUserInterface();
        sensor->stop();
        SetProjectDirOverride(nullptr);
    }
    QTemporaryDir dir;
    std::unique_ptr<sim::SensorSim> sensor;
};

}  // namespace orvbench
