// The polling loop against the simulator: frames reach the displays and
// charts; stop, time-out and a teach-table edit end it; a teach does not.
#include <QTimer>

#include "gui/polling.h"
#include "gui/teach_table.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::Commands;
using orvtest::DataRequests;
using orvtest::ProgramTest;

namespace {

class Polling : public ProgramTest {
protected:
    void Connect(sim::SimConfig config = {})
    {
        StartSensorTcp(config);
        OpenProgram();
        ASSERT_EQ(comecho, 1);
        sensor_->clearFrameLog();
    }
    // Runs the Go button's callback; `during` runs once the loop has shown
    // `frames` frames.
    template <typename F> void PollWhile(int frames, F during)
    {
        shown_ = 0;
        auto *timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [this, frames, during, timer] {
            if (DataRequests(sensor_->receivedFrames()) >= frames) {
                timer->stop();
                during();
            }
        });
        timer->start(5);
        uitest::InjectEvent(mainpanel, MAINP_ButtonGo, EVENT_COMMIT);
        delete timer;
    }
    int shown_ = 0;
};

TEST_F(Polling, FramesReachDisplaysAndChartsUntilStop)
{
    Connect();
    PollWhile(10, [] { uitest::InjectEvent(mainpanel, MAINP_ButtonStop, EVENT_COMMIT); });
    const int requests = DataRequests(sensor_->receivedFrames());
    EXPECT_GE(requests, 10);
    EXPECT_LE(requests, 11);  // the frame being awaited is shown, then the loop ends
    unsigned short shown = 0;
    GetCtrlVal(datapanel, DATAP_DispVec, &shown);
    EXPECT_EQ(shown, dataVec);
    GetCtrlVal(datapanel, DATAP_BarChC, &shown);
    EXPECT_EQ(shown, dataChC);
    EXPECT_GT(dataChL + dataChC + dataChR, 0);
    const auto density = uitest::StripChartTrace(datapanel, DATAP_GraphDensity, 0);
    ASSERT_FALSE(density.empty());
    EXPECT_DOUBLE_EQ(density.back(), dataDensity);
    EXPECT_DOUBLE_EQ(rawBuf[299], dataChR);
    int dimmed = -1;
    GetCtrlAttribute(mainpanel, MAINP_ButtonGo, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 0);
    EXPECT_NE(Status(), "TIMEOUT");
}

TEST_F(Polling, SilentSensorEndsPollingWithTimeoutAfterThreeSeconds)
{
    Connect();
    double silentAt = 0;
    PollWhile(3, [&] {
        sim::FaultConfig f;
        f.noReply.on = true;
        sensor_->setFaults(f);
        silentAt = Timer();
    });
    const double waited = Timer() - silentAt;
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_GE(waited, 3.0 - 0.2);
    EXPECT_LE(waited, 3.0 + 0.8);
    EXPECT_EQ(IsPanelVisible(interfacepanel), 1);
}

TEST_F(Polling, TeachEditEndsPollingTeachDoesNot)
{
    Connect();
    int requestsAtTeach = 0;
    PollWhile(3, [&] {
        TeachDataTo();
        requestsAtTeach = DataRequests(sensor_->receivedFrames());
        // Keep going for a few frames, then the operator edits a cell.
        QTimer::singleShot(300, [] { uitest::OperatorSetCell(ttpanel, TTP_GridCtt, 1, 1, 5); });
    });
    EXPECT_GT(DataRequests(sensor_->receivedFrames()), requestsAtTeach + 1);
    EXPECT_NE(Status(), "TIMEOUT");
}

// A reply with a wrong marker (a late echo, garbage) is no data frame: its
// values are not shown, and the turn ends polling as a missing frame does.
TEST_F(Polling, AReplyThatIsNoDataFrameIsNotShown)
{
    sim::SimConfig config;
    config.fixedTarget = sim::Intensities{1000, 1100, 1200};
    Connect(config);
    QTimer stop;  // ends a loop that would take the bad frames for good ones
    QObject::connect(&stop, &QTimer::timeout,
                     [] { uitest::InjectEvent(mainpanel, MAINP_ButtonStop, EVENT_COMMIT); });
    PollWhile(3, [&] {
        sim::FaultConfig f;
        f.wrongMarker = {true, 5};
        sensor_->setFaults(f);
        sensor_->setFixedTarget(sim::Intensities{3000, 3100, 3200});
        stop.start(2000);
    });
    EXPECT_EQ(Status(), "TIMEOUT");
    unsigned short shown = 0;
    GetCtrlVal(datapanel, DATAP_BarChC, &shown);
    EXPECT_EQ(shown, 1100);
    EXPECT_EQ(dataChC, 1100);
    EXPECT_DOUBLE_EQ(rawBuf[298], 1100);
}

TEST_F(Polling, NoVectorShowsTwoFiftyFive)
{
    sim::SimConfig config;
    config.fixedTarget = sim::Intensities{10, 10, 10};  // below the intensity limit
    Connect(config);
    PollWhile(2, [] { poll = 0; });
    unsigned short shown = 0;
    GetCtrlVal(datapanel, DATAP_DispVec, &shown);
    EXPECT_EQ(shown, 255);
}

TEST_F(Polling, StopAutoSendIsCommandFiftyWithZero)
{
    Connect();
    StopAutoSend();
    ASSERT_TRUE(sensor_->waitForFrames(1, 2000));
    const auto f = sensor_->receivedFrames().back();
    EXPECT_EQ(sim::frameWord(f, 0), 0x0055);
    EXPECT_EQ(sim::frameWord(f, 1), 50);
    EXPECT_EQ(sim::frameWord(f, 2), 0);
}

}  // namespace
