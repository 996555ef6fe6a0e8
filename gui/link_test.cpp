#include "gui/link_test.h"

#include "app/state.h"
#include "com232/link_reason.h"
#include "gui/param_transfer.h"
#include "gui/transfer_status.h"
#include "gui/unsent_changes.h"
#include "platform/rs232/rs232.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

// The serial device failed or was pulled out, also while nothing was asked
// of it: the link is lost now, not at the next request.
void ComLostCB(int port, int, void *)
{
    if (comprotocol != 0 || port != comport)
        return;
    NoteFailure(GetComErrorText(port));
    SetPopupTimeout();
}

}  // namespace

void CheckComLine()
{
    if (comprotocol == 0)
        InstallComCallback(comport, LWRS_ERR, 0, 0, ComLostCB, nullptr);
    if (IdentifySensor() < 0) {
        SetPopupTimeout();
        return;
    }
    ShowStatus(version);
    if (keepUnsent && (unsentPara || unsentTeach)) {
        ReportSetNotRead();
        return;
    }
    GetPara();
    ReportSensorTransfer(0);
    if (comecho == 1)
        SetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, 0);
}

}  // namespace orvelle
