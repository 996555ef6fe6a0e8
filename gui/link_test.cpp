#include "gui/link_test.h"

#include <cstring>

#include "app/state.h"
#include "com232/frame.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "gui/param_transfer.h"
#include "gui/polling.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {
constexpr double kSettleS = 0.1;  // lets a sensor that was sending fall silent
}

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
    ShowChildPanel(kWorkInterface);
}

void CheckComLine()
{
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
    if (comecho == 1)
        SetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, 0);
}

}  // namespace orvelle
