// What the operator is told beyond the fixed status texts: the line after
// each transfer, the last failure's own reason, and live values that turn
// grey when the link fails and live again with the next frame.
#include <QRegularExpression>
#include <QTcpServer>

#include "com232/link_reason.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

constexpr int kStaleTextColor = 0x9A9A9A;

class OperatorFeedback : public ProgramTest {
protected:
    std::string TransferLine() const { return StatusText(mainpanel, MAINP_TransferStatus); }
    std::string Reason() const
    {
        char text[512] = "";
        GetCtrlVal(interfacepanel, INTERFACEP_DispReason, text);
        return text;
    }
    // "<text>, HH:MM:SS": the text, with the time checked and cut off.
    static std::string WithoutTime(const std::string &line)
    {
        static const QRegularExpression time(", \\d\\d:\\d\\d:\\d\\d$");
        const QString q = QString::fromStdString(line);
        const auto m = time.match(q);
        return m.hasMatch() ? q.left(m.capturedStart()).toStdString() : "NO TIME[" + line + "]";
    }
    static int Colour(int panel, int control, int attribute)
    {
        int colour = -1;
        GetCtrlAttribute(panel, control, attribute, &colour);
        return colour;
    }
    void PollOneFrame()
    {
        sensor_->clearFrameLog();
        PollFrames(1);
    }
};

TEST_F(OperatorFeedback, TheTransferLineSaysWhatGetSendAndSaveDidAndWhatFailed)
{
    StartSensorTcp();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    // The connection test's read already counts.
    EXPECT_EQ(WithoutTime(TransferLine()), "Parameters and teach table read from RAM");

    uitest::OperatorSetValue(mainpanel, MAINP_SelectEEPROM, 1);
    uitest::InjectEvent(mainpanel, MAINP_ButtonSend, EVENT_COMMIT);
    EXPECT_EQ(WithoutTime(TransferLine()), "Parameters and teach table written to EEPROM");

    uitest::OperatorSetValue(mainpanel, MAINP_SelectFILE, 1);
    uitest::PushFileSelection(Path("params.ini"));
    uitest::InjectEvent(mainpanel, MAINP_ButtonSend, EVENT_COMMIT);
    EXPECT_EQ(WithoutTime(TransferLine()), "Parameters and teach table saved to params.ini");

    uitest::OperatorSetValue(mainpanel, MAINP_SelectRAM, 1);
    sim::FaultConfig f;
    f.wrongEcho = {true, 2};  // the echo of the first row write comes back wrong
    sensor_->setFaults(f);
    uitest::InjectEvent(mainpanel, MAINP_ButtonSend, EVENT_COMMIT);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(WithoutTime(TransferLine()),
              "Writing to RAM failed: wrong marker 0x0055 in the echo (write row 0)");
    EXPECT_EQ(WithoutTime(Reason()), "wrong marker 0x0055 in the echo (write row 0)");
}

TEST_F(OperatorFeedback, ValuesGreyAfterATimeOutAndLiveAgainWithTheNextFrame)
{
    StartSensorTcp();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    PollOneFrame();
    const int liveText = Colour(datapanel, DATAP_DispDensity, ATTR_TEXT_COLOR);
    const int liveBar = Colour(datapanel, DATAP_BarChC, ATTR_FRAME_COLOR);
    ASSERT_NE(liveText, kStaleTextColor);

    sim::FaultConfig f;
    f.replyLength = {true, 5};
    f.replyBytes = 40;  // a data reply of 40 bytes counts as none
    sensor_->setFaults(f);
    uitest::InjectEvent(mainpanel, MAINP_ButtonGo, EVENT_COMMIT);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(WithoutTime(Reason()), "reply of 40 bytes, not 36 (read data frame)");
    EXPECT_EQ(Colour(datapanel, DATAP_DispDensity, ATTR_TEXT_COLOR), kStaleTextColor);
    EXPECT_EQ(Colour(colbigpanel, COLBIGP_DispVec, ATTR_TEXT_COLOR), kStaleTextColor);
    EXPECT_NE(Colour(datapanel, DATAP_BarChC, ATTR_FRAME_COLOR), liveBar);

    sensor_->setFaults({});
    PollOneFrame();
    EXPECT_EQ(Colour(datapanel, DATAP_DispDensity, ATTR_TEXT_COLOR), liveText);
    EXPECT_EQ(Colour(colbigpanel, COLBIGP_DispVec, ATTR_TEXT_COLOR), liveText);
    EXPECT_EQ(Colour(datapanel, DATAP_BarChC, ATTR_FRAME_COLOR), liveBar);
}

TEST_F(OperatorFeedback, ASerialDevicePulledOutWhileIdleShowsAsALostLinkAtOnce)
{
    StartSensorPty();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    PollOneFrame();
    ASSERT_EQ(stale, 0);
    sensor_->stop();  // the far end of the pty goes away; nothing is being asked
    EXPECT_TRUE(WaitUntil([this] { return Status() == "TIMEOUT"; }, 2.0));
    EXPECT_EQ(stale, 1);
    EXPECT_NE(Reason().find("lost"), std::string::npos) << Reason();
}

TEST_F(OperatorFeedback, TheReasonLineNamesWhyTheConnectionFailed)
{
    QTcpServer closed;  // a port nobody listens on
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const int port = closed.serverPort();
    closed.close();
    WriteSettings(1, 1, "127.0.0.1", std::to_string(port));
    OpenProgram();
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(WithoutTime(Reason()), "Connection refused by 127.0.0.1:" + std::to_string(port));

    uitest::OperatorSetValue(interfacepanel, INTERFACEP_StringIpAdress, "orvelle-sensor.invalid");
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonTryToConnect, EVENT_COMMIT);
    EXPECT_EQ(WithoutTime(Reason()), "server name orvelle-sensor.invalid not found");

    SetComPortDevice(orvtest::kPtyComPort, "/dev/ttyUSB-orvelle-test");
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_EditCommunicationProtocol, 0);
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_EditSelectComPort, orvtest::kPtyComPort);
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonTryToConnect, EVENT_COMMIT);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(WithoutTime(Reason()), "no device at /dev/ttyUSB-orvelle-test");
}

TEST_F(OperatorFeedback, ALostConnectionNamesThePeerConnectedNotTheTextsOnThePanel)
{
    StartSensorTcp();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    // New texts committed, never tried.
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_StringIpAdress, "10.9.9.9");
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_StringPortNumber, "38545");
    sensor_->dropConnections();
    EXPECT_TRUE(WaitUntil([] { return tcpcon == 0; }, 2.0));
    EXPECT_EQ(WithoutTime(Reason()),
              "server 127.0.0.1:" + std::to_string(sensor_->tcpPort()) + " closed the connection");
}

// A reply that came but does not answer its request: each fails the
// exchange with its own reason, on the reason line and, after F10, on the
// transfer line.
struct ReasonCase {
    const char *what;
    sim::FaultConfig (*faults)();
    int button;          // MAINP_ButtonGet or MAINP_ButtonGo
    const char *reason;
};

void PrintTo(const ReasonCase &c, std::ostream *os)
{
    *os << c.what;
}

class FailureReason : public OperatorFeedback, public ::testing::WithParamInterface<ReasonCase> {};

TEST_P(FailureReason, NamesTheExchangeOnTheStatusAndReasonLines)
{
    const ReasonCase &c = GetParam();
    StartSensorTcp();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    // An older failure that must not stand for this one.
    NoteFailure("an older failure");
    sensor_->setFaults(c.faults());
    uitest::InjectEvent(mainpanel, c.button, EVENT_COMMIT);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(WithoutTime(Reason()), c.reason);
    if (c.button == MAINP_ButtonGet)
        EXPECT_EQ(WithoutTime(TransferLine()), std::string("Reading from RAM failed: ") + c.reason);
}

// The stray frame comes halfway through a held-back reply, so it is taken
// for the reply.
sim::FaultConfig LateReplyTo(int command)
{
    sim::FaultConfig f;
    f.lateEcho = {true, command};
    f.delay = {true, command};
    f.delayMs = 200;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailureReason,
    ::testing::Values(
        ReasonCase{"a row reply with a wrong marker",
                   [] {
                       sim::FaultConfig f;
                       f.wrongMarker = {true, 4};
                       f.wrongMarkerReplies = 1;
                       return f;
                   },
                   MAINP_ButtonGet, "wrong marker 0x00AB in the reply to read row 0"},
        ReasonCase{"a row reply naming another row",
                   [] {
                       sim::FaultConfig f;
                       f.rowOffset = 1;
                       return f;
                   },
                   MAINP_ButtonGet, "reply names row 1, expected row 0"},
        ReasonCase{"the reply to the previous request", [] { return LateReplyTo(4); },
                   MAINP_ButtonGet, "row 0 expected, reply has command 3"},
        ReasonCase{"a data reply with a wrong marker",
                   [] {
                       sim::FaultConfig f;
                       f.wrongMarker = {true, 5};
                       return f;
                   },
                   MAINP_ButtonGo, "wrong marker 0x00AB in the reply to read data frame"},
        ReasonCase{"a row reply where a data frame was asked", [] { return LateReplyTo(5); },
                   MAINP_ButtonGo, "data frame expected, reply has command 4"}));

}  // namespace
