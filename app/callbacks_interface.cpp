// Callbacks of the interface panel. Accept is dimmed by every change of the
// settings and comes back only with a confirmed connection test.
#include <cstdio>

#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/connection_settings.h"
#include "gui/server_history.h"
#include "gui/unsent_changes.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kSensorIdBytes = 100;  // 99 characters and the terminator
constexpr const char *kSaveFailedTitle = "ATTENTION!";
constexpr const char *kSaveFailedText =
    "The connection settings could not be saved in\n%s\n\n"
    "The file was left as it was.";
constexpr int kSaveFailedBytes = kPathBytes + 128;

void DimAccept()
{
    SetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, 1);
}

// Connects with the settings on the panel. The connection test reads the
// sensor's set into the panels; changes not yet sent are asked about first,
// and a no connects all the same without reading over them.
void ConnectAsking(const char *button)
{
    char replacing[80];
    std::snprintf(replacing, sizeof replacing, "%s reads the sensor's values once connected",
                  button);
    keepUnsent = AskBeforeReplacingUnsent(replacing,
                                          "No connects all the same and leaves the panels as "
                                          "they are.")
                     ? 0
                     : 1;
    SetButtonsDimmed(1);
    TryToConnect();
    SetButtonsDimmed(0);
    keepUnsent = 0;
}
}  // namespace

// The panel is left only through its buttons; its close request is ignored.
int CBF_INTERFACEP(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_EditCommunicationProtocol(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        InitConnectPanel();
        DimAccept();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditCommunicationProtocol);
    }
    return 0;
}

int CBF_EditSelectComPort(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        DimAccept();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditConnect);
    return 0;
}

int CBF_StringPortNumber(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        DimAccept();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoStringPortNumber);
    return 0;
}

// A typed server confirmed, or one chosen from the drop-down list.
int CBF_StringIpAdress(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        DimAccept();
        UpdateServerHistory();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoStringIpAdress);
    }
    return 0;
}

int CBF_ButtonTryToConnect(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        ConnectAsking("TRY TO CONNECT");
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonTryToConnect);
    }
    return 0;
}

// Saves the settings on the panel (they were connected with) and goes to
// the parameter panel. Accept does not connect again.
int CBF_ButtonAccept(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        if (SaveCommunicationSettings() == 0) {
            ShowChildPanel(kWorkPara);
        } else {
            char message[kSaveFailedBytes];
            std::snprintf(message, sizeof message, kSaveFailedText, conSettingsFileName);
            MessagePopup(kSaveFailedTitle, message);
        }
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonAccept);
    }
    return 0;
}

// Brings back the settings held when the panel was opened and connects with
// them; the panel stays, the file and the history are not touched.
int CBF_ButtonDiscard(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        SetCtrlVal(interfacepanel, INTERFACEP_EditCommunicationProtocol, comprotocolold);
        SetCtrlVal(interfacepanel, INTERFACEP_EditSelectComPort, comportold);
        SetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, ipBufOld);
        SetCtrlVal(interfacepanel, INTERFACEP_StringPortNumber, portNumStrOld);
        DimAccept();
        InitConnectPanel();
        ConnectAsking("DISCARD");
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonDiscard);
    }
    return 0;
}

// The sensor's name for the operator, shown on the big display and the
// recorder panel; it is not stored.
int CBF_EditID(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        char id[kSensorIdBytes];
        GetCtrlVal(interfacepanel, INTERFACEP_EditID, id);
        SetCtrlVal(colbigpanel, COLBIGP_DispID, id);
        SetCtrlVal(recpanel, RECP_DispID, id);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditID);
    }
    return 0;
}

}  // namespace orvelle
