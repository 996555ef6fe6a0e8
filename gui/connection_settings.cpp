#include "gui/connection_settings.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/link_reason.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "combobox/combobox.h"
#include "gui/data_folder.h"
#include "gui/link_test.h"
#include "gui/startup.h"
#include "platform/formatio/formatio.h"
#include "platform/rs232/rs232.h"
#include "platform/tcp/tcpsupp.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kNumberLineBytes = 100;
constexpr int kDefaultComPort = 1;
constexpr int kProtocolRs232 = 0;
constexpr int kProtocolTcp = 1;

// A TCP connection left open behind RS-232 would hold the server's client
// slot and report the server's close against the working serial link.
void CloseTcpLink()
{
    if (tcpcon > 0)
        DisconnectFromTCPServer(g_hconversation);
    tcpcon = 0;
    g_hconversation = 0;
}

// Reads one line into buf (at most maxBytes); a missing line reads as empty.
void ReadSettingsLine(int file, char *buf, int maxBytes)
{
    if (ReadLine(file, buf, maxBytes) < 0)
        buf[0] = '\0';
}

// The file the settings are read from: the one of the data folder, or,
// where it holds none, the one beside the program (a provisioned default of
// an installed program). "" when neither exists.
void SettingsToRead(char (&path)[kPathBytes])
{
    long size = 0;
    std::snprintf(path, sizeof path, "%s", conSettingsFileName);
    if (GetFileInfo(path, &size) == 1)
        return;
    char programDir[kPathBytes] = "";
    if (GetProjectDir(programDir) < 0 || DataFilePath(programDir, kComSettingsFile, path) < 0 ||
        GetFileInfo(path, &size) != 1)
        path[0] = '\0';
}

const char *ProtocolName(int protocol)
{
    return protocol == kProtocolTcp ? "TCP/IP" : "RS-232";
}

// The protocol line of the settings file path into comprotocol. A code
// other than 0 or 1 opens neither transport: it is named in
// szSettingsProblem and the panel's protocol is kept. Returns whether the line held a known code.
bool TakeProtocolLine(const char *line, const char *path)
{
    const int protocol = ParseLeadingInt(line);
    if (protocol == kProtocolRs232 || protocol == kProtocolTcp) {
        comprotocol = static_cast<word>(protocol);
        return true;
    }
    GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &comprotocol);
    std::snprintf(szSettingsProblem, sizeof szSettingsProblem,
                  "protocol \"%.20s\" in line 1 of %.100s is neither 0 (RS-232) nor 1 (TCP/IP); "
                  "%s kept",
                  line, path, ProtocolName(comprotocol));
    return false;
}

}  // namespace

int ParseLeadingInt(const char *text)
{
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
           *text == '\v')
        ++text;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

void GetConnectionSettingsFromFile()
{
    szSettingsProblem[0] = '\0';
    char path[kPathBytes];
    SettingsToRead(path);
    if (path[0] == '\0') {
        comprotocol = 0;
        comport = kDefaultComPort;
        return;
    }
    const int file = OpenFile(path, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    if (file < 0) {
        comprotocol = 0;
        comport = kDefaultComPort;
        return;
    }
    char line[kNumberLineBytes + 1];
    ReadSettingsLine(file, line, kNumberLineBytes);
    const bool protocolKnown = TakeProtocolLine(line, path);
    ReadSettingsLine(file, line, kNumberLineBytes);
    comport = static_cast<word>(ParseLeadingInt(line));
    ReadSettingsLine(file, ipBuf, kIpBufBytes - 1);
    ReadSettingsLine(file, portNumStr, kPortStrBytes - 1);
    CloseFile(file);
    if (protocolKnown)
        SetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, comprotocol);
    SetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, comport);
    SetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, ipBuf);
    SetCtrlVal(interfacepanel, INTERFACEP_StringPortNumber, portNumStr);
}

void TakeOldConnectionSettings()
{
    GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &comprotocolold);
    GetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, &comportold);
    GetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, ipBufOld);
    GetCtrlVal(interfacepanel, INTERFACEP_StringPortNumber, portNumStrOld);
}

void InitConnectPanel()
{
    GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &comprotocol);
    if (comprotocol != 0 && comprotocol != 1)
        return;
    const int tcp = comprotocol == 1 ? 1 : 0;
    SetCtrlAttribute(interfacepanel, INTERFACEP_EditSelectComPort, ATTR_VISIBLE, 1 - tcp);
    Combo_SetComboAttribute(interfacepanel, INTERFACEP_StringIpAdress, ATTR_COMBO_VISIBLE, tcp);
    SetCtrlAttribute(interfacepanel, INTERFACEP_StringPortNumber, ATTR_VISIBLE, tcp);
}

int SaveCommunicationSettings()
{
    GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &comprotocol);
    GetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, &comport);
    GetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, ipBuf);
    GetCtrlVal(interfacepanel, INTERFACEP_StringPortNumber, portNumStr);
    const int file = OpenFile(conSettingsFileName, VAL_READ_WRITE, VAL_TRUNCATE, VAL_ASCII);
    if (file < 0)
        return -1;
    char line[kNumberLineBytes + 1];
    bool written = true;
    Fmt(line, "%s<%i", comprotocol);
    written = WriteLine(file, line, -1) >= 0 && written;
    Fmt(line, "%s<%i", comport);
    written = WriteLine(file, line, -1) >= 0 && written;
    written = WriteLine(file, ipBuf, -1) >= 0 && written;
    written = WriteLine(file, portNumStr, -1) >= 0 && written;
    const bool closed = CloseFile(file) == 0;
    return written && closed ? 0 : -1;
}

void TryToConnect()
{
    CloseCom(comport);
    ShowStatus("TRY");
    GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &comprotocol);
    GetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, &comport);
    GetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, ipBuf);
    GetCtrlVal(interfacepanel, INTERFACEP_StringPortNumber, portNumStr);
    ProcessSystemEvents();
    SetCtrlVal(datapanel, DATAP_DispComPort, comport);
    SetCtrlVal(datapanel, DATAP_DispServer, ipBuf);
    portNum = ParseLeadingInt(portNumStr);
    if (comprotocol == kProtocolRs232) {
        SetCtrlAttribute(datapanel, DATAP_DispComPort, ATTR_VISIBLE, 1);
        SetCtrlAttribute(datapanel, DATAP_DispServer, ATTR_VISIBLE, 0);
        CloseTcpLink();
        InitRS232();
    } else if (comprotocol == kProtocolTcp) {
        SetCtrlAttribute(datapanel, DATAP_DispComPort, ATTR_VISIBLE, 0);
        SetCtrlAttribute(datapanel, DATAP_DispServer, ATTR_VISIBLE, 1);
        InitTCP_IP();
    } else {
        // Neither transport: the result of an earlier attempt must not count.
        char why[kReasonBytes];
        std::snprintf(why, sizeof why, "protocol %u is neither 0 (RS-232) nor 1 (TCP/IP)",
                      comprotocol);
        NoteFailure(why);
        ret = -1;
    }
    if (ret >= 0)
        CheckComLine();
    else
        SetPopupTimeout();
}

}  // namespace orvelle
