// The recorder against the simulator: the timed modes with their counts,
// stop and time-out; the triggered mode over TCP and over the paced
// pseudo-terminal; a file that cannot be written.
#include <QFile>
#include <QTimer>
#include <functional>
#include <regex>
#include <sstream>

#include "gui/graph_panel.h"
#include "gui/link_test.h"
#include "gui/record_file.h"
#include "gui/recorder.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

constexpr int kFrameBytes36 = 36;

class Recorder : public ProgramTest {
protected:
    // The program connected to a simulator whose target stands still.
    void Connect(bool pty = false, bool paced = false)
    {
        sim::SimConfig config;
        config.fixedTarget = sim::Intensities{1200, 1180, 1210};
        config.paced = paced;
        if (pty)
            StartSensorPty(config);
        else
            StartSensorTcp(config);
        OpenProgram();
        ASSERT_EQ(comecho, 1);
        file_ = Path("rec.dat");
        uitest::PushFileSelection(file_);
        uitest::InjectEvent(recpanel, RECP_ButtonSelRecFile, EVENT_COMMIT);
        ASSERT_EQ(Read(), kRecordHeader);
        // Every reply of the start-up counted as sent, so that what the
        // simulator sends from here on can be told apart.
        ASSERT_TRUE(WaitUntil([this] { return sensor_->bytesSent() == sensor_->bytesQueued(); },
                              1.0));
        sensor_->clearFrameLog();
        uitest::ClearPopupLog();
    }
    // Presses a start button; step runs every 5 ms inside the recording
    // until it returns true.
    void Run(int startButton, std::function<bool()> step = [] { return true; })
    {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (step())
                timer.stop();
        });
        timer.start(5);
        uitest::InjectEvent(recpanel, startButton, EVENT_COMMIT);
    }
    // Whether the panels look as while a recording runs: red start button,
    // interval locked, Go dimmed; false where they look idle.
    static bool LooksRunning()
    {
        int colour = 0, mode = 0, dimmed = 0;
        GetCtrlAttribute(recpanel, RECP_ButtonStartRecord, ATTR_CMD_BUTTON_COLOR, &colour);
        GetCtrlAttribute(recpanel, RECP_EditInterval, ATTR_CTRL_MODE, &mode);
        GetCtrlAttribute(mainpanel, MAINP_ButtonGo, ATTR_DIMMED, &dimmed);
        const bool running = colour == 0xFF0000 && mode == VAL_INDICATOR && dimmed == 1;
        const bool idle = colour == 0xE0E0E0 && mode == VAL_HOT && dimmed == 0;
        EXPECT_TRUE(running || idle) << "a mixed look: colour " << colour << " mode " << mode
                                     << " Go dimmed " << dimmed;
        return running;
    }
    void Mode(int mode) { uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, mode); }
    std::string Read() const
    {
        QFile f(QString::fromStdString(file_));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "";
    }
    // The data lines of the record file.
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> out;
        std::istringstream in(Read());
        std::string line;
        for (std::getline(in, line); std::getline(in, line);)
            out.push_back(line);
        return out;
    }
    // The dropped-frames note, "" while it is hidden.
    static std::string Dropped()
    {
        int visible = 0;
        GetCtrlAttribute(recpanel, RECP_DispDropped, ATTR_VISIBLE, &visible);
        char text[64] = "";
        GetCtrlVal(recpanel, RECP_DispDropped, text);
        return visible ? text : "";
    }
    static double Shown(int ctrl)
    {
        double v = -1;
        GetCtrlVal(recpanel, ctrl, &v);
        return v;
    }
    // Once the simulator has sent nothing for 0.3 s, presses Stop of the
    // triggered recording and returns true; lastSent and quietSince carry
    // the watch from one step to the next.
    bool StopOnceQuiet(std::uint64_t &lastSent, double &quietSince)
    {
        const std::uint64_t sent = sensor_->bytesSent();
        if (sent != lastSent) {
            lastSent = sent;
            quietSince = Timer();
        }
        if (Timer() - quietSince < 0.3)
            return false;
        uitest::InjectEvent(recpanel, RECP_ButtonStopTrigRec, EVENT_COMMIT);
        return true;
    }
    // A triggered recording until the simulator has sent frames frames of
    // frameBytes each since sentFrom; then it falls quiet and Stop is
    // pressed. during runs at every step before that.
    void TriggerUntilSent(std::uint64_t sentFrom, int frames, int frameBytes,
                          std::function<void()> during = [] {})
    {
        bool quieted = false;
        double quietSince = 0;
        std::uint64_t lastSent = 0;
        Run(RECP_ButtonStartTrigRec, [&] {
            const std::uint64_t sent = sensor_->bytesSent();
            if (!quieted) {
                during();
                if (sent < sentFrom + static_cast<std::uint64_t>(frames * frameBytes))
                    return false;
                sensor_->setTriggerPeriodMs(1000000);
                quieted = true;
                lastSent = sent;
                quietSince = Timer();
                return false;
            }
            return StopOnceQuiet(lastSent, quietSince);
        });
    }
    // Every line carries the standing target, so none is made of pieces of
    // two frames or of a foreign one.
    void ExpectTargetValues() const
    {
        for (const std::string &l : Lines())
            EXPECT_NE(l.find("\t1200\t1180\t1210\t"), std::string::npos) << l;
    }
    std::string file_;
};

TEST_F(Recorder, FixedCountWritesItsLinesAnIntervalApartAndEndsByItself)
{
    Connect();
    uitest::OperatorSetValue(recpanel, RECP_EditInterval, 1);
    uitest::OperatorSetValue(recpanel, RECP_EditRecVal, 3);
    EXPECT_EQ(Shown(RECP_DispRecordSeconds), 3);
    const double start = Timer();
    Run(RECP_ButtonStartRecord);
    const double took = Timer() - start;
    EXPECT_GE(took, 2.0);
    EXPECT_LT(took, 3.5);
    ASSERT_EQ(Lines().size(), 3u);
    ExpectTargetValues();
    EXPECT_EQ(orvtest::DataRequests(sensor_->receivedFrames()), 3);
    EXPECT_EQ(Shown(RECP_DispRecordedValues), 3);
    EXPECT_EQ(Shown(RECP_DispRemaining), 0);
    EXPECT_TRUE(PopupShown("ATTENTION!", kRecNotOpenedText));
    EXPECT_TRUE(PopupShown("INFO!", "File has been saved!"));
    EXPECT_FALSE(LooksRunning());
    // The graph panel was cleared at the start: x runs 0, 0-1, 1-2.
    const auto plots = uitest::GraphPlots(graphpanel, GRAPHP_GraphChL);
    ASSERT_EQ(plots.size(), 3u);
    EXPECT_EQ(plots[0].x, (std::vector<double>{0, 0}));
    EXPECT_EQ(plots[2].x, (std::vector<double>{1, 2}));
    EXPECT_EQ(plots[2].y[1], 1200);
}

TEST_F(Recorder, ContinuousCountsUntilStopWhichActsDuringTheWait)
{
    Connect();
    Mode(kRecContinuous);
    uitest::OperatorSetValue(recpanel, RECP_EditInterval, 1);
    double stoppedAt = 0;
    Run(RECP_ButtonStartRecord, [&] {
        if (Shown(RECP_DispRecordCount) < 2)
            return false;
        EXPECT_TRUE(LooksRunning());
        stoppedAt = Timer();
        uitest::InjectEvent(recpanel, RECP_ButtonStopRecord, EVENT_COMMIT);
        return true;
    });
    EXPECT_LT(Timer() - stoppedAt, 0.3);
    EXPECT_EQ(Lines().size(), 2u);
    EXPECT_EQ(Shown(RECP_DispRecordCount), 2);
    EXPECT_EQ(orvtest::DataRequests(sensor_->receivedFrames()), 2);
    EXPECT_TRUE(PopupShown("INFO!", "File has been saved!"));
}

TEST_F(Recorder, ATimeOutWritesNoStaleLineAndEndsTheRecording)
{
    Connect();
    Mode(kRecContinuous);
    uitest::OperatorSetValue(recpanel, RECP_EditInterval, 1);
    Run(RECP_ButtonStartRecord, [&] {
        if (Lines().size() < 1)
            return false;
        sim::FaultConfig f;
        f.noReply.on = true;
        sensor_->setFaults(f);
        return true;
    });
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_EQ(orvtest::DataRequests(sensor_->receivedFrames()), 2);
    EXPECT_TRUE(PopupShown("INFO!", "File has been saved!\n1 line written; stopped early: sensor "
                                    "did not answer within 3.0 s (read data frame)."));
}

TEST_F(Recorder, OneReplyThatIsNoDataFrameCostsOneLineAndTheRecordingGoesOn)
{
    Connect();
    uitest::OperatorSetValue(recpanel, RECP_EditInterval, 1);
    uitest::OperatorSetValue(recpanel, RECP_EditRecVal, 3);
    Run(RECP_ButtonStartRecord, [&] {
        if (Lines().size() < 1)
            return false;
        sim::FaultConfig f;
        f.wrongMarker = {true, 5};
        f.wrongMarkerReplies = 1;  // the next data reply only
        sensor_->setFaults(f);
        return true;
    });
    EXPECT_EQ(orvtest::DataRequests(sensor_->receivedFrames()), 3);
    EXPECT_EQ(Lines().size(), 2u);
    ExpectTargetValues();
    EXPECT_EQ(Shown(RECP_DispRecordedValues), 2);
    EXPECT_EQ(Shown(RECP_DispRemaining), 0);
    EXPECT_EQ(Dropped(), "DROPPED: 1");
    EXPECT_NE(Status(), "TIMEOUT");
    EXPECT_TRUE(PopupShown("INFO!", "File has been saved!\n2 of 3 lines written.\n"
                                    "1 frame dropped: not a whole data frame."));
}

TEST_F(Recorder, LinesThatCannotBeWrittenAreCountedAndReportedAtTheEnd)
{
    Connect();
    const std::string lost = Path("gone/rec.dat");
    ResetTextBox(recpanel, RECP_DispRecFile, lost.c_str());
    uitest::OperatorSetValue(recpanel, RECP_EditInterval, 1);
    uitest::OperatorSetValue(recpanel, RECP_EditRecVal, 2);
    bool seenWhileRunning = false;
    Run(RECP_ButtonStartRecord, [&] {
        int visible = 0;
        GetCtrlAttribute(recpanel, RECP_DispLostLines, ATTR_VISIBLE, &visible);
        seenWhileRunning = visible == 1 && poll == 1;
        return seenWhileRunning;
    });
    EXPECT_TRUE(seenWhileRunning);
    EXPECT_FALSE(PopupShown("INFO!", "File has been saved!"));
    EXPECT_TRUE(PopupShown("ATTENTION!", "File has not been saved completely!\n" + lost +
                                             "\n2 lines could not be written."));
}

TEST_F(Recorder, TriggeredOverTcpDropsAWrongMarkerAndStopSwitchesSendingOff)
{
    Connect();
    sensor_->setTriggerPeriodMs(40);
    Mode(kRecTriggered);
    const std::uint64_t sentBefore = sensor_->bytesSent();
    int phase = 0;
    std::uint64_t faultFrom = 0, faultTo = 0;
    double countAtClear = 0, quietSince = 0;
    std::uint64_t lastSent = 0;
    Run(RECP_ButtonStartTrigRec, [&] {
        const double count = Shown(RECP_DispRecordCount);
        const std::uint64_t sent = sensor_->bytesSent();
        switch (phase) {
        case 0:  // some good frames, then wrong markers for a while
            if (count < 3)
                return false;
            {
                sim::FaultConfig f;
                f.wrongMarker.on = true;
                sensor_->setFaults(f);
            }
            faultFrom = sent;
            phase = 1;
            return false;
        case 1:
            if (sent < faultFrom + 2 * kFrameBytes36)
                return false;
            sensor_->clearFaults();
            faultTo = sensor_->bytesSent();
            countAtClear = count;
            phase = 2;
            return false;
        case 2:  // good frames again, then the sensor falls quiet
            if (count < countAtClear + 3)
                return false;
            sensor_->setTriggerPeriodMs(1000000);
            lastSent = sent;
            quietSince = Timer();
            phase = 3;
            return false;
        default:
            return StopOnceQuiet(lastSent, quietSince);
        }
    });
    ASSERT_EQ(phase, 3);
    const auto sentFrames = static_cast<double>((sensor_->bytesSent() - sentBefore) / 36);
    const double recorded = Shown(RECP_DispRecordCount);
    EXPECT_EQ(Lines().size(), static_cast<std::size_t>(recorded));
    ExpectTargetValues();
    // Every frame sent is either a line or counted as dropped: only those
    // sent while the marker was wrong.
    const int dropped = static_cast<int>(sentFrames - recorded);
    EXPECT_GE(dropped, 1);
    EXPECT_LE(dropped, static_cast<int>((faultTo - faultFrom) / 36) + 1);
    EXPECT_EQ(Dropped(), "DROPPED: " + std::to_string(dropped));

    ASSERT_TRUE(sensor_->waitForFrames(2, 2000));
    const auto frames = sensor_->receivedFrames();
    EXPECT_EQ(sim::frameWord(frames.front(), 1), 50);
    EXPECT_EQ(sim::frameWord(frames.front(), 2), 1);
    EXPECT_EQ(sim::frameWord(frames.back(), 1), 50);
    EXPECT_EQ(sim::frameWord(frames.back(), 2), 0);
    EXPECT_TRUE(WaitUntil([&] { return !sensor_->autoSending(); }, 2.0));
    EXPECT_TRUE(PopupShown("ATTENTION!", kRecNotOpenedTrigText));
    EXPECT_TRUE(PopupShown("INFO!", "File has been saved!\n" +
                                        std::to_string(static_cast<int>(recorded)) +
                                        " lines written.\n" + std::to_string(dropped) +
                                        (dropped == 1 ? " frame dropped: not a whole data frame."
                                                      : " frames dropped: not whole data frames.")));
    // Each recorded frame is a segment of the graph panel.
    EXPECT_EQ(uitest::GraphPlots(graphpanel, GRAPHP_GraphChC).size(),
              static_cast<std::size_t>(recorded));
}

TEST_F(Recorder, TriggeredOverThePacedPortKeepsFramesThatArriveTogetherOrInPieces)
{
    Connect(true, true);
    sensor_->setTriggerPeriodMs(25);
    Mode(kRecTriggered);
    const std::uint64_t sentBefore = sensor_->bytesSent();
    int phase = 0;
    double quietSince = 0;
    std::uint64_t lastSent = 0;
    Run(RECP_ButtonStartTrigRec, [&] {
        const double count = Shown(RECP_DispRecordCount);
        const std::uint64_t sent = sensor_->bytesSent();
        if (phase == 0) {
            if (count < 5)
                return false;
            // The window is busy for a while: the frames pile up and are
            // read together, the last one in the middle of arriving.
            const double until = Timer() + 0.2;
            while (Timer() < until) {
            }
            phase = 1;
            return false;
        }
        if (phase == 1) {
            if (count < 15)
                return false;
            sensor_->setTriggerPeriodMs(1000000);
            phase = 2;
            lastSent = sent;
            quietSince = Timer();
            return false;
        }
        return StopOnceQuiet(lastSent, quietSince);
    });
    const auto sentFrames = static_cast<double>((sensor_->bytesSent() - sentBefore) / 36);
    EXPECT_EQ(Shown(RECP_DispRecordCount), sentFrames);
    EXPECT_EQ(Lines().size(), static_cast<std::size_t>(sentFrames));
    ExpectTargetValues();
    EXPECT_EQ(Dropped(), "");
}

// Every automatic frame one byte short: each one's last byte is really the
// first of the next, so no line may be made of them.
TEST_F(Recorder, TriggeredOverThePacedPortRecordsNoFrameThatIsOneByteShort)
{
    Connect(true, true);
    sensor_->setTriggerPeriodMs(25);
    sim::FaultConfig f;
    f.replyLength = {true, 5};
    f.replyBytes = 35;
    sensor_->setFaults(f);
    Mode(kRecTriggered);
    const std::uint64_t sentBefore = sensor_->bytesSent();
    TriggerUntilSent(sentBefore, 25, 35);
    const int sent = static_cast<int>((sensor_->bytesSent() - sentBefore) / 35);
    ASSERT_GE(sent, 25);
    EXPECT_EQ(Lines().size(), 0u);
    EXPECT_EQ(Shown(RECP_DispRecordCount), 0);
    EXPECT_EQ(Dropped(), "DROPPED: " + std::to_string(sent));
    EXPECT_TRUE(PopupShown("ATTENTION!", "Nothing was recorded: " + std::to_string(sent) +
                                             " frames dropped, none was a whole data frame."));
}

TEST_F(Recorder, ManualWritesLiveValuesOnlyAndSaysSinceWhenNoFrameCame)
{
    Connect();
    Mode(kRecManual);
    sensor_->clearFrameLog();
    PollFrames(1);
    auto press = [] { uitest::InjectEvent(recpanel, RECP_ButtonManualRecord, EVENT_COMMIT); };
    press();
    ASSERT_EQ(Lines().size(), 1u);
    ExpectTargetValues();

    sensor_->dropConnections();
    ASSERT_TRUE(WaitUntil([] { return tcpcon == 0; }, 2.0));
    uitest::ClearPopupLog();
    for (int i = 0; i < 3; ++i)
        press();
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Shown(RECP_DispRecordedValues), 1);
    ASSERT_EQ(uitest::PopupLog().size(), 3u);
    const std::regex said("Nothing was recorded: no frame since \\d\\d:\\d\\d:\\d\\d\\.");
    EXPECT_TRUE(std::regex_match(uitest::PopupLog()[0].text, said)) << uitest::PopupLog()[0].text;
}

TEST_F(Recorder, TriggeredEndedByALostLinkOrWithoutAFrameSaysWhatHappened)
{
    Connect();
    Mode(kRecTriggered);
    sensor_->setTriggerPeriodMs(1000000);  // the sensor sends nothing
    Run(RECP_ButtonStartTrigRec, [&] {
        if (!sensor_->autoSending())
            return false;
        uitest::InjectEvent(recpanel, RECP_ButtonStopTrigRec, EVENT_COMMIT);
        return true;
    });
    EXPECT_TRUE(PopupShown("ATTENTION!", "Nothing was recorded: the sensor sent no frame."));
    EXPECT_FALSE(PopupShown("INFO!", "File has been saved!"));

    uitest::ClearPopupLog();
    sensor_->setTriggerPeriodMs(40);
    Run(RECP_ButtonStartTrigRec, [&] {
        if (Shown(RECP_DispRecordCount) < 2)
            return false;
        sensor_->dropConnections();
        return true;
    });
    const std::string peer = "127.0.0.1:" + std::to_string(sensor_->tcpPort());
    const int lines = static_cast<int>(Lines().size());
    EXPECT_GE(lines, 2);
    EXPECT_TRUE(PopupShown("INFO!", "File has been saved!\n" + std::to_string(lines) +
                                        " lines written; stopped early: connection to " + peer +
                                        " closed."));
    EXPECT_EQ(Status(), "TIMEOUT");
}

// Answering no to the question about the file name records nothing: no
// request goes out, the file keeps only its header, nothing stays dimmed
// or red, and no further message follows.
struct NoAnswer {
    int mode, startButton, stopButton;
};

class RecorderNo : public Recorder, public ::testing::WithParamInterface<NoAnswer> {};

TEST_P(RecorderNo, StartsNothing)
{
    Connect();
    Mode(GetParam().mode);
    uitest::OperatorSetValue(recpanel, RECP_EditInterval, 1);
    uitest::ClearPopupLog();
    uitest::PushConfirmAnswer(0);
    const double start = Timer();
    // A recording that started anyway is stopped again after a while.
    Run(GetParam().startButton, [&] {
        if (Timer() - start < 1.5)
            return false;
        uitest::InjectEvent(recpanel, GetParam().stopButton, EVENT_COMMIT);
        return true;
    });
    PauseProcessingEvents(0.2);  // a request on its way has arrived
    const auto &shown = uitest::PopupLog();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, "confirm");
    EXPECT_EQ(shown[0].title, "ATTENTION!");
    EXPECT_EQ(shown[0].text, "Are you sure, that you have selected the right file name?");
    EXPECT_TRUE(sensor_->receivedFrames().empty());
    EXPECT_EQ(Read(), kRecordHeader);
    EXPECT_FALSE(LooksRunning());
    int colour = 0, dimmed = -1;
    GetCtrlAttribute(recpanel, RECP_ButtonStartTrigRec, ATTR_CMD_BUTTON_COLOR, &colour);
    GetCtrlAttribute(recpanel, GetParam().startButton, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(colour, 0xE0E0E0);
    EXPECT_EQ(dimmed, 0);
}

INSTANTIATE_TEST_SUITE_P(
    TimedAndTriggered, RecorderNo,
    ::testing::Values(NoAnswer{kRecFixedCount, RECP_ButtonStartRecord, RECP_ButtonStopRecord},
                      NoAnswer{kRecTriggered, RECP_ButtonStartTrigRec, RECP_ButtonStopTrigRec}));

}  // namespace
