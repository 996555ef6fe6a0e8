#include "gui/connection_settings.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "combobox/combobox.h"
#include "gui/data_folder.h"
#include "gui/link_test.h"
#include "gui/startup.h"
#include "platform/formatio/formatio.h"
#include "platform/rs232/rs232.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kNumberLineBytes = 100;
constexpr int kDefaultComPort = 1;

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
    comprotocol = static_cast<word>(ParseLeadingInt(line));
    ReadSettingsLine(file, line, kNumberLineBytes);
    comport = static_cast<word>(ParseLeadingInt(line));
    ReadSettingsLine(file, ipBuf, kIpBufBytes - 1);
    ReadSettingsLine(file, portNumStr, kPortStrBytes - 1);
    CloseFile(file);
    SetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, comprotocol);
    SetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, comport);
    SetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, ipBuf);
    SetCtrlVal(interfacepanel, INTERFACEP_StringPortNumber, portNumStr);
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
    if (comprotocol == 0) {
        SetCtrlAttribute(datapanel, DATAP_DispComPort, ATTR_VISIBLE, 1);
        SetCtrlAttribute(datapanel, DATAP_DispServer, ATTR_VISIBLE, 0);
        InitRS232();
    } else if (comprotocol == 1) {
        SetCtrlAttribute(datapanel, DATAP_DispComPort, ATTR_VISIBLE, 0);
        SetCtrlAttribute(datapanel, DATAP_DispServer, ATTR_VISIBLE, 1);
        InitTCP_IP();
    }
    if (ret >= 0)
        CheckComLine();
    else
        SetPopupTimeout();
}

}  // namespace orvelle
