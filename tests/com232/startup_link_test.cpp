// Start-up against the simulator over TCP and over a pseudo-terminal: the
// connection test, the identification text and the parameter read.
#include "com232/transport.h"
#include "combobox/combobox.h"
#include "gui/link_test.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::Commands;
using orvtest::DataRequests;
using orvtest::ProgramTest;

namespace {

sim::ParamSet DistinctSet()
{
    sim::ParamSet set = sim::defaultParamSet();
    set.params = {950, 2, 16, 1, 25, 300, 3, 1, 0, 0, 11, 12, 13, 14, 15, 16};
    for (int r = 0; r < 31; ++r)
        for (int c = 0; c < 6; ++c)
            set.teach[r][c] = static_cast<uint16_t>(2000 + 10 * r + c);
    return set;
}

void ExpectPanelsHold(const sim::ParamSet &set)
{
    const int ctrls[] = {PARAP_SlidePower, PARAP_EditChannelMode, PARAP_EditAverage,
                         PARAP_Evalmode, PARAP_EditHold, PARAP_EditIntlim, PARAP_EditMaxNo,
                         PARAP_EditOutmode, PARAP_EditTrigger, PARAP_ExternTeach};
    for (int i = 0; i < 10; ++i) {
        unsigned short v = 0;
        GetCtrlVal(parapanel, ctrls[i], &v);
        EXPECT_EQ(v, set.params[i]) << "parameter control " << i;
    }
    for (int r = 0; r < 31; ++r)
        for (int c = 0; c < 6; ++c) {
            unsigned short v = 0;
            GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(c + 1, r + 1), &v);
            ASSERT_EQ(v, set.teach[r][c]) << "row " << r << " column " << c;
        }
    EXPECT_EQ(paraFrei11, set.params[10]);
    EXPECT_EQ(paraFrei16, set.params[15]);
}

void ExpectConnected(const std::string &status)
{
    int dimmed = -1;
    GetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 0);
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(status, std::string(version));
}

class Startup : public ProgramTest {};

TEST_F(Startup, OverTcpStopsAutoSendShowsIdAndReadsEverything)
{
    sim::SimConfig config;
    config.idText = "SENSOR";
    StartSensorTcp(config);
    const sim::ParamSet set = DistinctSet();
    sensor_->setRam(set);
    OpenProgram();

    const std::vector<int> cmds = Commands(sensor_->receivedFrames());
    ASSERT_EQ(cmds.size(), 34u);
    EXPECT_EQ(cmds[0], 50);
    EXPECT_EQ(cmds[1], 7);
    EXPECT_EQ(cmds[2], 3);
    for (int r = 0; r < 31; ++r)
        EXPECT_EQ(cmds[3 + r], 4);
    EXPECT_EQ(Status(), "SENSOR");
    ExpectConnected(Status());
    ExpectPanelsHold(set);
    EXPECT_EQ(IsPanelVisible(parapanel), 1);
    EXPECT_EQ(IsPanelVisible(interfacepanel), 0);
}

TEST_F(Startup, OverPtyReadsEverything)
{
    sim::SimConfig config;
    config.idText = "PTYSENSOR";
    StartSensorPty(config);
    const sim::ParamSet set = DistinctSet();
    sensor_->setRam(set);
    OpenProgram();
    EXPECT_EQ(Status(), "PTYSENSOR");
    ExpectConnected(Status());
    ExpectPanelsHold(set);
    unsigned short shown = 0;
    GetCtrlVal(datapanel, DATAP_DispComPort, &shown);
    EXPECT_EQ(shown, orvtest::kPtyComPort);
}

// Replies with a wrong marker, the identification text aside: the device is
// not taken for a sensor, its "parameters" reach no panel and the settings
// cannot be accepted.
TEST_F(Startup, ADeviceAnsweringGarbageIsNotTakenForTheSensor)
{
    sim::SimConfig config;
    config.faults.wrongMarker = {true, sim::kAllCommands};
    StartSensorTcp(config);
    sensor_->setRam(DistinctSet());
    OpenProgram();
    EXPECT_EQ(Commands(sensor_->receivedFrames()), (std::vector<int>{50, 7, 3, 4}));
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(comecho, 0);
    int dimmed = 0;
    GetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
    unsigned short power = 0;
    GetCtrlVal(parapanel, PARAP_SlidePower, &power);
    EXPECT_NE(power, DistinctSet().params[0]);
}

TEST_F(Startup, IdentificationOfThirtySixLettersShowsAll)
{
    sim::SimConfig config;
    config.idText = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    StartSensorTcp(config);
    OpenProgram();
    EXPECT_EQ(Status(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
}

TEST_F(Startup, UnopenablePortShowsItsTextThenTimeoutAndOpensInterfacePanel)
{
    WriteSettingsWithoutSensor();
    OpenProgram();
    EXPECT_STREQ(szStatus, "Cannot open port");
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(IsPanelVisible(interfacepanel), 1);
    EXPECT_EQ(IsPanelVisible(parapanel), 0);
    int dimmed = 0;
    GetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
    int colour = 0;
    GetCtrlAttribute(mainpanel, MAINP_ButtonConnect, ATTR_CMD_BUTTON_COLOR, &colour);
    EXPECT_EQ(colour, 0xC0C0C0);
}

TEST_F(Startup, InvalidPortNumberShowsItsTextInBothDisplays)
{
    // The COM port selector offers only COM1 to COM32, so the number 0
    // reaches the port opening only from code.
    WriteSettingsWithoutSensor();
    OpenProgram();
    comport = 0;
    InitRS232();
    EXPECT_EQ(ret, -2);
    EXPECT_EQ(Status(), "Invalid port number");
    SetPopupTimeout();
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(IsPanelVisible(interfacepanel), 1);
}

TEST_F(Startup, RefusedServerShowsTheTcpTextThenTimeout)
{
    // A port nobody listens on: take a free one from a simulator, then stop it.
    StartSensorTcp();
    const int port = sensor_->tcpPort();
    sensor_->stop();
    WriteSettings(1, 1, "127.0.0.1", std::to_string(port));
    OpenProgram();
    EXPECT_EQ(ret, -2);
    EXPECT_STREQ(szStatus, "UnableToEstablishConnection");
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(tcpcon, 0);
    EXPECT_EQ(IsPanelVisible(interfacepanel), 1);
}

// The transport of the settings file decides the interface panel's layout
// before the first attempt: RS-232 shows the COM port selector and hides
// the server's text box, drop-down button and frame and the port number;
// TCP/IP the reverse.
class InterfaceLayout : public ProgramTest, public ::testing::WithParamInterface<int> {};

TEST_P(InterfaceLayout, SettingsFileProtocolShowsItsOwnFields)
{
    const int protocol = GetParam();
    SetComPortDevice(orvtest::kPtyComPort, "/nonexistent/orvelle-test-port");
    WriteSettings(protocol, orvtest::kPtyComPort, "127.0.0.1", "1");
    OpenProgram();
    unsigned short shown = 9;
    GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &shown);
    EXPECT_EQ(shown, protocol);
    auto visible = [](int ctrl) {
        int v = -1;
        GetCtrlAttribute(interfacepanel, ctrl, ATTR_VISIBLE, &v);
        return v;
    };
    const ComboRecord *server = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress);
    ASSERT_NE(server, nullptr);
    EXPECT_EQ(visible(INTERFACEP_EditSelectComPort), protocol == 0);
    for (int ctrl : {server->textCtrl, server->listCtrl, server->frameCtrl,
                     static_cast<int>(INTERFACEP_StringPortNumber)})
        EXPECT_EQ(visible(ctrl), protocol == 1) << "control " << ctrl;
    EXPECT_STREQ(ipBuf, "127.0.0.1");
    EXPECT_EQ(portNum, 1);
    EXPECT_EQ(Status(), "TIMEOUT");
}

INSTANTIATE_TEST_SUITE_P(Protocols, InterfaceLayout, ::testing::Values(0, 1));

// Over TCP the identification is awaited 5.0 s (a slow converter between
// the program and the sensor), every other reply 3.0 s.
struct IdDelay {
    int delayMs;
    bool connects;
};

class IdentificationWait : public ProgramTest, public ::testing::WithParamInterface<IdDelay> {};

TEST_P(IdentificationWait, OverTcpLastsFiveSeconds)
{
    sim::SimConfig config;
    config.idText = "SLOW";
    config.faults.delay = {true, 7};
    config.faults.delayMs = GetParam().delayMs;
    StartSensorTcp(config);
    OpenProgram();
    const std::vector<int> cmds = Commands(sensor_->receivedFrames());
    if (GetParam().connects) {
        EXPECT_EQ(Status(), "SLOW");
        EXPECT_EQ(comecho, 1);
        EXPECT_EQ(cmds.size(), 34u);
    } else {
        EXPECT_EQ(Status(), "TIMEOUT");
        EXPECT_EQ(comecho, 0);
        EXPECT_EQ(cmds, (std::vector<int>{50, 7}));
    }
}

INSTANTIATE_TEST_SUITE_P(Delays, IdentificationWait,
                         ::testing::Values(IdDelay{4000, true}, IdDelay{6000, false}));

}  // namespace
