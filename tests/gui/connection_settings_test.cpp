// The interface panel against the simulator: a trial that fails, Discard
// reconnecting the old settings, Accept saving them for the next start; the
// server history behind the combo box; the port list naming the devices.
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTimer>
#include <algorithm>

#include "combobox/combobox.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class ConnectionSettings : public ProgramTest {
protected:
    int Dimmed(int panel, int ctrl) const
    {
        int d = -1;
        GetCtrlAttribute(panel, ctrl, ATTR_DIMMED, &d);
        return d;
    }
    std::string Text(int ctrl) const { return StatusText(interfacepanel, ctrl); }
    std::string Read(const char *name) const
    {
        QFile f(QString::fromStdString(Path(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    void Write(const char *name, const std::string &bytes)
    {
        QFile f(QString::fromStdString(Path(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    void Restart()
    {
        orvelle::CloseProgram();
        uitest::ResetUserInterface();
        open_ = false;
        OpenProgram();
    }
    // The server history as the combo box lists it.
    std::vector<std::string> Entries() const
    {
        const ComboRecord *combo = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress);
        std::vector<std::string> out;
        int count = 0;
        GetNumListItems(interfacepanel, combo->listCtrl, &count);
        for (int i = 0; i < count; ++i) {
            char text[128] = "";
            GetValueFromIndex(interfacepanel, combo->listCtrl, i, text, sizeof text);
            out.push_back(text);
        }
        return out;
    }
    std::string Reason() const
    {
        char text[512] = "";
        GetCtrlVal(interfacepanel, INTERFACEP_DispReason, text);
        return text;
    }
    // The four settings on the panel: protocol, COM port, server, TCP port.
    std::string Settings() const
    {
        unsigned short protocol = 9, port = 0;
        GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &protocol);
        GetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, &port);
        return std::to_string(protocol) + " " + std::to_string(port) + " " +
               Text(INTERFACEP_StringIpAdress) + " " + Text(INTERFACEP_StringPortNumber);
    }
    void CommitServer(const std::string &text)
    {
        ASSERT_EQ(
            uitest::OperatorSetValue(interfacepanel, INTERFACEP_StringIpAdress, text.c_str()), 0);
    }
};

std::string FreeTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return std::to_string(probe.serverPort());  // nothing listens once it closes
}

TEST_F(ConnectionSettings, TrialDiscardAndAcceptOverTcpAndTheNextStartUsesThem)
{
    sim::SimConfig config;
    config.idText = "SENSOR-A";
    StartSensorTcp(config);
    const std::string simPort = std::to_string(sensor_->tcpPort());
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    uitest::InjectEvent(mainpanel, MAINP_ButtonConnect, EVENT_COMMIT);
    ASSERT_EQ(IsPanelVisible(interfacepanel), 1);
    EXPECT_EQ(Dimmed(interfacepanel, INTERFACEP_ButtonAccept), 1);

    uitest::OperatorSetValue(interfacepanel, INTERFACEP_StringPortNumber, FreeTcpPort().c_str());
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonTryToConnect, EVENT_COMMIT);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(Dimmed(interfacepanel, INTERFACEP_ButtonAccept), 1);

    // Discard: the old settings connect again; Accept stays dimmed until the
    // sensor's identification has come back.
    sim::FaultConfig slowId;
    slowId.delay = {true, 7};
    slowId.delayMs = 300;
    sensor_->setFaults(slowId);
    sensor_->clearFrameLog();
    int dimmedWhileAsking = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const std::vector<uint16_t> cmds = sensor_->receivedCommands();
        if (dimmedWhileAsking < 0 && std::count(cmds.begin(), cmds.end(), 7) > 0)
            dimmedWhileAsking = Dimmed(interfacepanel, INTERFACEP_ButtonAccept);
    });
    watch.start(5);
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonDiscard, EVENT_COMMIT);
    watch.stop();
    sensor_->clearFaults();
    EXPECT_EQ(dimmedWhileAsking, 1);
    EXPECT_EQ(Text(INTERFACEP_StringPortNumber), simPort);
    EXPECT_EQ(Status(), "SENSOR-A");
    EXPECT_EQ(Dimmed(interfacepanel, INTERFACEP_ButtonAccept), 0);
    EXPECT_EQ(IsPanelVisible(interfacepanel), 1);

    // A changed COM port number must be tried before it can be accepted.
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_EditSelectComPort, 4);
    EXPECT_EQ(Dimmed(interfacepanel, INTERFACEP_ButtonAccept), 1);
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonTryToConnect, EVENT_COMMIT);
    ASSERT_EQ(Dimmed(interfacepanel, INTERFACEP_ButtonAccept), 0);

    // A file that cannot be replaced: the operator is told, nothing moves.
    QFile::remove(QString::fromStdString(Path("ComSettings.cfg")));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(Path("ComSettings.cfg"))));
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonAccept, EVENT_COMMIT);
    ASSERT_EQ(uitest::PopupLog().size(), 1u);
    EXPECT_EQ(uitest::PopupLog()[0].title, "ATTENTION!");
    EXPECT_NE(uitest::PopupLog()[0].text.find(Path("ComSettings.cfg")), std::string::npos);
    EXPECT_EQ(IsPanelVisible(interfacepanel), 1);
    ASSERT_TRUE(QDir().rmdir(QString::fromStdString(Path("ComSettings.cfg"))));

    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonAccept, EVENT_COMMIT);
    EXPECT_EQ(Read("ComSettings.cfg"), "1\r\n4\r\n127.0.0.1\r\n" + simPort + "\r\n");
    EXPECT_EQ(IsPanelVisible(parapanel), 1);
    EXPECT_EQ(IsPanelVisible(interfacepanel), 0);

    sensor_->clearFrameLog();
    Restart();
    EXPECT_EQ(comport, 4);
    EXPECT_EQ(Status(), "SENSOR-A");
    EXPECT_EQ(comecho, 1);
}

TEST_F(ConnectionSettings, DiscardAfterAFailedStartUpBringsBackTheFilesSettings)
{
    const std::string port = FreeTcpPort();
    WriteSettings(1, 3, "127.0.0.1", port);
    OpenProgram();
    ASSERT_EQ(Status(), "TIMEOUT");
    ASSERT_EQ(IsPanelVisible(interfacepanel), 1);
    // The sensor is there now; the operator has typed over the port.
    sim::SimConfig config;
    config.tcp = true;
    config.tcpPort = static_cast<uint16_t>(std::stoi(port));
    config.idText = "SENSOR-B";
    StartSensor(config);
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_StringPortNumber, "1");
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonDiscard, EVENT_COMMIT);
    EXPECT_EQ(Settings(), "1 3 127.0.0.1 " + port);
    EXPECT_EQ(Status(), "SENSOR-B");
    EXPECT_EQ(comecho, 1);
}

TEST_F(ConnectionSettings, SwitchingToRs232ClosesTheTcpConnection)
{
    sim::SimConfig config;
    config.pty = true;
    StartSensorTcp(config);
    SetComPortDevice(orvtest::kPtyComPort, sensor_->ptyPath().c_str());
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    ASSERT_EQ(sensor_->tcpConnections(), 1);
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_EditCommunicationProtocol, 0);
    uitest::OperatorSetValue(interfacepanel, INTERFACEP_EditSelectComPort, orvtest::kPtyComPort);
    uitest::ClearPopupLog();
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonTryToConnect, EVENT_COMMIT);
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(tcpcon, 0);
    EXPECT_TRUE(WaitUntil([this] { return sensor_->tcpConnections() == 0; }, 2.0));
    EXPECT_TRUE(uitest::PopupLog().empty());
}

TEST_F(ConnectionSettings, TheSettingsAreDimmedWhileATrialRuns)
{
    sim::SimConfig config;
    config.faults.delay = {true, 7};  // the identification comes late
    config.faults.delayMs = 300;
    StartSensorTcp(config);
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    const int settings[] = {INTERFACEP_EditCommunicationProtocol, INTERFACEP_EditSelectComPort,
                            INTERFACEP_StringIpAdress, INTERFACEP_StringPortNumber};
    auto dimmed = [&] {
        std::vector<int> d;
        for (int ctrl : settings)
            d.push_back(Dimmed(interfacepanel, ctrl));
        int list = -1;
        Combo_GetComboAttribute(interfacepanel, INTERFACEP_StringIpAdress, ATTR_COMBO_DIMMED, &list);
        d.push_back(list);
        return d;
    };
    std::vector<int> during;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const std::vector<uint16_t> cmds = sensor_->receivedCommands();
        if (during.empty() && std::count(cmds.begin(), cmds.end(), 7) > 0)
            during = dimmed();
    });
    sensor_->clearFrameLog();
    watch.start(5);
    uitest::InjectEvent(interfacepanel, INTERFACEP_ButtonTryToConnect, EVENT_COMMIT);
    watch.stop();
    EXPECT_EQ(during, std::vector<int>(5, 1));
    EXPECT_EQ(dimmed(), std::vector<int>(5, 0));
}

TEST_F(ConnectionSettings, AnUnknownProtocolInTheFileIsNamedAndThePanelsProtocolKept)
{
    StartSensorTcp();
    Write("ComSettings.cfg", "7\r\n3\r\n127.0.0.1\r\n" + std::to_string(sensor_->tcpPort()) + "\r\n");
    OpenProgram();
    EXPECT_EQ(comecho, 1);  // the panel's TCP/IP with the file's server
    EXPECT_EQ(Settings(), "1 3 127.0.0.1 " + std::to_string(sensor_->tcpPort()));
    const std::string reason = Reason();
    EXPECT_EQ(reason.substr(0, reason.size() - 10),  // the time cut off
              std::string("protocol \"7\" in line 1 of ") + conSettingsFileName +
                  " is neither 0 (RS-232) nor 1 (TCP/IP); TCP/IP kept");
}

TEST_F(ConnectionSettings, HistoryIsMostRecentFirstOnceEachAtMostTenOfHundredBytes)
{
    WriteSettingsWithoutSensor();
    OpenProgram();
    for (int i = 1; i <= 11; ++i)
        CommitServer("s" + std::to_string(100 + i) + ".example");
    std::vector<std::string> expected;
    for (int i = 11; i >= 2; --i)
        expected.push_back("s" + std::to_string(100 + i) + ".example");
    EXPECT_EQ(Entries(), expected);
    const std::string file = Read("IPComboBox.cfg");
    ASSERT_EQ(file.size(), 10u * 102);
    EXPECT_EQ(file.substr(0, 102), "s111.example" + std::string(88, '\0') + "\r\n");

    // The newest committed again stays where it is, once.
    CommitServer("s111.example");
    EXPECT_EQ(Entries(), expected);

    CommitServer("s105.example");
    const std::vector<std::string> moved = Entries();
    EXPECT_EQ(moved.front(), "s105.example");
    EXPECT_EQ(moved.size(), 10u);
    EXPECT_EQ(std::count(moved.begin(), moved.end(), "s105.example"), 1);

    // Choosing from the drop-down list commits the chosen server.
    const int list = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress)->listCtrl;
    ASSERT_EQ(uitest::OperatorSetValue(interfacepanel, list, "s108.example"), 0);
    EXPECT_EQ(Text(INTERFACEP_StringIpAdress), "s108.example");
    EXPECT_EQ(Entries().front(), "s108.example");
    EXPECT_EQ(Read("IPComboBox.cfg").substr(0, 12), "s108.example");

    // The field keeps what an entry can hold, and the entry is the field.
    CommitServer(std::string(120, 'x'));
    EXPECT_EQ(Text(INTERFACEP_StringIpAdress), std::string(99, 'x'));
    EXPECT_EQ(Entries().front(), std::string(99, 'x'));
    EXPECT_EQ(Read("IPComboBox.cfg").substr(0, 101), std::string(99, 'x') + '\0' + '\r');
    // 60 two-byte characters fit the field but not an entry: no entry at all
    // rather than a cut one.
    std::string wide;
    for (int i = 0; i < 60; ++i)
        wide += "\xC3\xA4";
    CommitServer(wide);
    EXPECT_EQ(Text(INTERFACEP_StringIpAdress), wide);
    EXPECT_EQ(Entries().front(), std::string(99, 'x'));
}

// The size decides how many lines are read; an empty entry among them is
// no server and is skipped.
TEST_F(ConnectionSettings, HistoryFileSizeDecidesHowManyEntriesLoad)
{
    WriteSettingsWithoutSensor();
    auto entry = [](const std::string &text) { return text + std::string(100 - text.size(), '\0'); };
    std::string lf, crlf, gaps;
    std::vector<std::string> hosts, kept;
    for (int i = 0; i < 10; ++i) {
        hosts.push_back("host" + std::to_string(i));
        lf += entry(hosts.back()) + "\n";
        crlf += entry(hosts.back()) + "\r\n";
        gaps += entry(i % 3 == 1 ? "" : hosts.back()) + "\r\n";
        if (i % 3 != 1)
            kept.push_back(hosts.back());
    }
    const struct {
        std::string bytes;
        std::vector<std::string> entries;
    } cases[] = {{lf, hosts}, {crlf, hosts}, {gaps, kept}, {"alpha\r\nbeta\r\n", {}}};
    for (const auto &c : cases) {
        Write("IPComboBox.cfg", c.bytes);
        if (open_)
            Restart();
        else
            OpenProgram();
        EXPECT_EQ(Entries(), c.entries) << c.bytes.size() << " bytes";
    }
}

TEST_F(ConnectionSettings, PortListNamesThePseudoTerminalAndMarksPortsWithoutDevice)
{
    StartSensorPty();
    SetComPortDevice(8, "/nonexistent/orvelle-port");
    OpenProgram();
    auto label = [](int port) {
        int index = -1;
        GetIndexFromValue(interfacepanel, INTERFACEP_EditSelectComPort, &index, port);
        char text[600] = "";
        GetLabelFromIndex(interfacepanel, INTERFACEP_EditSelectComPort, index, text, sizeof text);
        return std::string(text);
    };
    const std::string pty = sensor_->ptyPath();
    EXPECT_EQ(label(orvtest::kPtyComPort), "COM7  " + pty + "  pseudo-terminal");
    EXPECT_EQ(label(8), "COM8  /nonexistent/orvelle-port  no device");

    // Opening the panel looks again.
    SetComPortDevice(8, pty.c_str());
    uitest::InjectEvent(mainpanel, MAINP_ButtonConnect, EVENT_COMMIT);
    EXPECT_EQ(label(8), "COM8  " + pty + "  pseudo-terminal");
    SetComPortDevice(8, nullptr);
    unsigned short selected = 0;
    GetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, &selected);
    EXPECT_EQ(selected, orvtest::kPtyComPort);
}

// The sensor identification committed on the interface panel shows on the
// big display and on the recorder panel, cut to the 99 characters its box
// holds.
struct IdCase {
    std::string typed, shown;
};

class SensorIdentification : public ConnectionSettings,
                             public ::testing::WithParamInterface<IdCase> {};

TEST_P(SensorIdentification, ShowsOnTheBigDisplayAndTheRecorder)
{
    WriteSettingsWithoutSensor();
    OpenProgram();
    SetCtrlVal(colbigpanel, COLBIGP_DispID, "old");
    SetCtrlVal(recpanel, RECP_DispID, "old");
    ASSERT_EQ(uitest::OperatorSetValue(interfacepanel, INTERFACEP_EditID, GetParam().typed.c_str()), 0);
    EXPECT_EQ(StatusText(colbigpanel, COLBIGP_DispID), GetParam().shown);
    EXPECT_EQ(StatusText(recpanel, RECP_DispID), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, SensorIdentification,
                         ::testing::Values(IdCase{"LINE 3 LEFT", "LINE 3 LEFT"}, IdCase{"", ""},
                                           IdCase{std::string(99, 'i'), std::string(99, 'i')},
                                           IdCase{std::string(120, 'i'), std::string(99, 'i')}));

}  // namespace
