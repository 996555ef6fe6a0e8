// What the operator is told beyond the fixed status texts: the line after
// each transfer, the last failure's own reason, and live values that turn
// grey when the link fails and live again with the next frame.
#include <QRegularExpression>
#include <QTcpServer>

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

}  // namespace
