// Callbacks of the interface panel. Accept is dimmed by every change of the
// settings and comes back only with a confirmed connection test.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/connection_settings.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {
void DimAccept()
{
    SetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, 1);
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

int CBF_StringIpAdress(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        DimAccept();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoStringIpAdress);
    return 0;
}

int CBF_ButtonTryToConnect(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        SetButtonsDimmed(1);
        TryToConnect();
        SetButtonsDimmed(0);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonTryToConnect);
    }
    return 0;
}

ORVELLE_HELP_CALLBACK(CBF_ButtonAccept, InfoButtonAccept)
ORVELLE_HELP_CALLBACK(CBF_ButtonDiscard, InfoButtonDiscard)
ORVELLE_HELP_CALLBACK(CBF_EditID, InfoEditID)

}  // namespace orvelle
