// Ending the program while the sensor is busy: a read ends after the
// exchange in flight, a write finishes and the window says so, and a
// termination signal ends a triggered recording as STOP does.
#include <QFile>
#include <QTimer>
#include <csignal>

#include "gui/recorder.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::Commands;
using orvtest::ProgramTest;

namespace {

class ProgramEnd : public ProgramTest {
protected:
    void Connect(sim::SimConfig config = {})
    {
        StartSensorTcp(config);
        OpenProgram();
        ASSERT_EQ(comecho, 1);
        sensor_->clearFrameLog();
        uitest::ClearPopupLog();
    }
    int Received(int command) const
    {
        int n = 0;
        for (int c : Commands(sensor_->receivedFrames()))
            n += c == command;
        return n;
    }
    // Presses button; once the simulator has received `frames` requests of
    // command, the main window is closed, and then the callback returns.
    void CloseDuring(int button, int command, int frames)
    {
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (Received(command) < frames)
                return;
            watch.stop();
            closedAt_ = Timer();
            receivedAtClose_ = Received(command);
            uitest::InjectEvent(mainpanel, 0, EVENT_CLOSE);
            lineAtClose_ = StatusText(mainpanel, MAINP_TransferStatus);
        });
        watch.start(2);
        uitest::InjectEvent(mainpanel, button, EVENT_COMMIT);
    }
    double closedAt_ = 0;
    int receivedAtClose_ = 0;
    std::string lineAtClose_;
};

TEST_F(ProgramEnd, ClosingDuringASlowReadEndsAfterTheExchangeInFlight)
{
    sim::SimConfig config;
    Connect(config);
    sim::FaultConfig slow;
    slow.delay = {true, 4};
    slow.delayMs = 300;
    sensor_->setFaults(slow);
    CloseDuring(MAINP_ButtonGet, 4, 3);
    EXPECT_LT(Timer() - closedAt_, 0.3 + 0.25);
    EXPECT_EQ(Received(4), receivedAtClose_);
    EXPECT_EQ(comecho, 0);
    const std::string line = StatusText(mainpanel, MAINP_TransferStatus);
    EXPECT_EQ(line.substr(0, line.size() - 10),
              "Reading from RAM failed: read stopped after read row " +
                  std::to_string(receivedAtClose_ - 1) + ": the program is closing");
}

TEST_F(ProgramEnd, ClosingDuringAWriteFinishesItAndSaysSo)
{
    Connect();
    sim::FaultConfig slow;
    slow.delay = {true, 2};
    slow.delayMs = 20;
    sensor_->setFaults(slow);
    SetCtrlVal(parapanel, PARAP_SlidePower, static_cast<unsigned short>(640));
    CloseDuring(MAINP_ButtonSend, 2, 3);
    EXPECT_EQ(lineAtClose_.substr(0, lineAtClose_.size() - 10),
              "Finishing the write to the sensor, then closing");
    EXPECT_EQ(Commands(sensor_->receivedFrames()).size(), 32u);
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(sensor_->ram().params[0], 640);
    const std::string line = StatusText(mainpanel, MAINP_TransferStatus);
    EXPECT_EQ(line.substr(0, line.size() - 10), "Parameters and teach table written to RAM");
}

TEST_F(ProgramEnd, ATerminationSignalEndsATriggeredRecordingAsStopDoes)
{
    sim::SimConfig config;
    config.triggerPeriodMs = 40;
    Connect(config);
    const std::string file = Path("trig.dat");
    ResetTextBox(recpanel, RECP_DispRecFile, file.c_str());
    uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecTriggered);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        double count = 0;
        GetCtrlVal(recpanel, RECP_DispRecordCount, &count);
        if (count < 2)
            return;
        watch.stop();
        std::raise(SIGTERM);
    });
    watch.start(5);
    const double start = Timer();
    uitest::InjectEvent(recpanel, RECP_ButtonStartTrigRec, EVENT_COMMIT);
    EXPECT_LT(Timer() - start, 3.0);
    EXPECT_EQ(quitSignal, SIGTERM);
    ASSERT_TRUE(sensor_->waitForFrames(2, 2000));
    const auto frames = sensor_->receivedFrames();
    EXPECT_EQ(sim::frameWord(frames.back(), 1), 50);
    EXPECT_EQ(sim::frameWord(frames.back(), 2), 0);
    EXPECT_TRUE(WaitUntil([&] { return !sensor_->autoSending(); }, 2.0));
    // Nobody is there to close a popup: the closing message goes to the
    // terminal, and the program ends without its event loop.
    EXPECT_FALSE(PopupShown("INFO!", "File has been saved!"));
    QFile f(QString::fromStdString(file));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().endsWith("\r\n"));
    const double loopStart = Timer();
    RunEventLoop();
    EXPECT_LT(Timer() - loopStart, 0.5);
}

}  // namespace
