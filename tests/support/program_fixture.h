// Runs the real program headless against the sensor simulator: a private
// program directory with its own settings file, scripted popups, the
// simulator on TCP loopback or on a pseudo-terminal.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/orvelle.h"
#include "app/state.h"
#include "platform/rs232/rs232.h"
#include "platform/testing/testing.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "sim/sensor_sim.h"
#include "ui/orvelle_uir.h"

namespace orvtest {

constexpr int kPtyComPort = 7;  // the COM port number the tests map to the pty

// The command word of each frame the simulator received, in order.
inline std::vector<int> Commands(const std::vector<sim::Frame> &frames)
{
    std::vector<int> out;
    for (const auto &f : frames)
        out.push_back(sim::frameWord(f, 1));
    return out;
}

// The whole content of a file, or "(missing)".
inline std::string ReadFile(const std::string &path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "(missing)";
}

// Replaces the content of a file with text.
inline void WriteFile(const std::string &path, const std::string &text)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
    f.write(text.data(), static_cast<qint64>(text.size()));
}

// How many data requests (command 5) the simulator received.
inline int DataRequests(const std::vector<sim::Frame> &frames)
{
    int n = 0;
    for (const auto &f : frames)
        n += sim::frameWord(f, 1) == 5;
    return n;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        SetProjectDirOverride(dir_.path().toLocal8Bit().constData());
        uitest::ScriptPopups(true);
        uitest::ClearPopupLog();
    }

    void TearDown() override
    {
        if (open_)
            orvelle::CloseProgram();
        uitest::ResetUserInterface();
        if (sensor_)
            sensor_->stop();
        SetComPortDevice(kPtyComPort, nullptr);
        SetProjectDirOverride(nullptr);
    }

    // Starts the simulator serving TCP on a free loopback port.
    void StartSensorTcp(sim::SimConfig config = {})
    {
        config.tcp = true;
        StartSensor(config);
        WriteSettings(1, 1, "127.0.0.1", std::to_string(sensor_->tcpPort()));
    }

    // Starts the simulator on a pty and maps kPtyComPort to it.
    void StartSensorPty(sim::SimConfig config = {})
    {
        config.pty = true;
        StartSensor(config);
        SetComPortDevice(kPtyComPort, sensor_->ptyPath().c_str());
        WriteSettings(0, kPtyComPort, "", "");
    }

    void StartSensor(const sim::SimConfig &config)
    {
        sensor_ = std::make_unique<sim::SensorSim>(config);
        std::string error;
        ASSERT_TRUE(sensor_->start(&error)) << error;
    }

    // Settings whose serial port cannot be opened: start-up fails at once
    // ("Cannot open port", then "TIMEOUT") and the program runs without a link.
    void WriteSettingsWithoutSensor()
    {
        SetComPortDevice(kPtyComPort, "/nonexistent/orvelle-test-port");
        WriteSettings(0, kPtyComPort, "", "");
    }

    // Writes the program's ComSettings.cfg.
    void WriteSettings(int protocol, int port, const std::string &host, const std::string &tcpPort)
    {
        const std::string path = Path("ComSettings.cfg");
        FILE *f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fprintf(f, "%d\r\n%d\r\n%s\r\n%s\r\n", protocol, port, host.c_str(), tcpPort.c_str());
        std::fclose(f);
    }

    // Starts the program: panels, start-up, the first connection attempt.
    void OpenProgram()
    {
        ASSERT_EQ(orvelle::OpenProgram(), 0);
        open_ = true;
    }

    std::string Path(const char *name) const
    {
        return (dir_.path() + "/" + name).toStdString();
    }

    bool PopupShown(const std::string &title, const std::string &text) const
    {
        for (const auto &p : uitest::PopupLog())
            if (p.title == title && p.text == text)
                return true;
        return false;
    }

    std::string StatusText(int panel, int control) const
    {
        char text[256] = "";
        GetCtrlVal(panel, control, text);
        return text;
    }

    // Both status displays show the same text; returns it (or a mismatch note).
    std::string Status() const
    {
        const std::string a = StatusText(orvelle::datapanel, DATAP_DispStatus);
        const std::string b = StatusText(orvelle::interfacepanel, INTERFACEP_DispStatus);
        return a == b ? a : "MISMATCH[" + a + "|" + b + "]";
    }

    // Polls (GO) until the simulator has received `frames` data requests since
    // its frame log was last cleared, then stops as STOP does.
    void PollFrames(int frames)
    {
        QTimer stopper;
        QObject::connect(&stopper, &QTimer::timeout, [this, frames, &stopper] {
            if (DataRequests(sensor_->receivedFrames()) >= frames) {
                stopper.stop();
                orvelle::poll = 0;
            }
        });
        stopper.start(2);
        uitest::InjectEvent(orvelle::mainpanel, MAINP_ButtonGo, EVENT_COMMIT);
    }

    // Processes events until pred() or the time limit (seconds) has passed.
    template <typename Pred> bool WaitUntil(Pred pred, double limitS)
    {
        const double start = Timer();
        while (!pred()) {
            if (Timer() - start > limitS)
                return false;
            ProcessSystemEvents();
        }
        return true;
    }

    QTemporaryDir dir_;
    std::unique_ptr<sim::SensorSim> sensor_;
    bool open_ = false;
};

}  // namespace orvtest
