#include "gui/link_test.h"

#include <cstring>

#include "app/state.h"
#include "com232/frame.h"
#include "com232/link_reason.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "gui/param_transfer.h"
#include "gui/polling.h"
#include "gui/transfer_status.h"
#include "gui/work_area.h"
#include "platform/rs232/rs232.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {
constexpr double kSettleS = 0.1;  // lets a sensor that was sending fall silent

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

void PauseProcessingEvents(double seconds)
{
    const double start = Timer();
    while (Timer() - start < seconds)
        ProcessSystemEventsUntil(start + seconds);
}

void SetPopupTimeout()
{
    poll = 0;
    comecho = 0;
    ShowStatus("TIMEOUT");
    ShowLinkStale(1);
    ShowChildPanel(kWorkInterface);
}

void CheckComLine()
{
    if (comprotocol == 0)
        InstallComCallback(comport, LWRS_ERR, 0, 0, ComLostCB, nullptr);
    StopAutoSend();
    PauseProcessingEvents(kSettleS);
    order = kCmdIdentify;
    FillTxBuf(order, 0, 0, 0);
    if (comprotocol == 0) {
        FlushQueues();
        dataSize = 0;
        SendFrame(kTcpWriteTimeoutMs);
        WaitReply(kReplyLimitS);
    } else {
        ArmReply();
        SendFrame(kTcpTestWriteTimeoutMs);
        WaitReply(kTestReplyLimitTcpS);
    }
    if (bytesToRead != 0) {
        SetPopupTimeout();
        return;
    }
    // The text ends at its first zero byte or after all 36 bytes.
    std::memcpy(version, szReadBuf, kVersionBytes);
    version[kVersionBytes] = '\0';
    ShowStatus(version);
    GetPara();
    ReportSensorTransfer(0);
    if (comecho == 1)
        SetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, 0);
}

}  // namespace orvelle
