#include "gui/connection_settings.h"

#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/link_open.h"
#include "com232/status_display.h"
#include "combobox/combobox.h"
#include "gui/link_test.h"
#include "gui/settings_file.h"
#include "platform/formatio/formatio.h"
#include "platform/rs232/rs232.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {
constexpr int kNumberLineBytes = 100;
constexpr int kProtocolRs232 = 0;
constexpr int kProtocolTcp = 1;
}  // namespace

void GetConnectionSettingsFromFile()
{
    word shown = 0;
    GetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, &shown);
    const int read = ReadConnectionSettings(shown);
    if (read == kSettingsNone)
        return;
    if (read == kSettingsRead)
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
    } else if (comprotocol == kProtocolTcp) {
        SetCtrlAttribute(datapanel, DATAP_DispComPort, ATTR_VISIBLE, 0);
        SetCtrlAttribute(datapanel, DATAP_DispServer, ATTR_VISIBLE, 1);
    }
    OpenLinkTransport();
    if (ret >= 0)
        CheckComLine();
    else
        SetPopupTimeout();
}

}  // namespace orvelle
