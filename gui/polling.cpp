#include "gui/polling.h"

#include "app/state.h"
#include "com232/conversions.h"
#include "com232/frame.h"
#include "com232/transport.h"
#include "gui/link_test.h"
#include "gui/live_display.h"
#include "gui/main_graphs.h"
#include "gui/teach_table.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"

namespace orvelle {

void GetDataFrame()
{
    FlushQueues();
    ArmReply();
    SendFrame(kTcpWriteTimeoutMs);
    WaitReply(kReplyLimitS);
    // Only a data frame counts: a late echo or garbage is no frame at all.
    if (bytesToRead == 0 && !ReplyAnswers(szReadBuf, kCmdReadData))
        bytesToRead = kFrameBytes;
}

void StopAutoSend()
{
    order = kCmdAutoSend;
    FillTxBuf(order, 0, 0, 0);
    FlushQueues();
    SendFrame(kTcpWriteTimeoutMs);
}

void GetData()
{
    poll = 1;
    FlushQueues();
    SetToleranceRangeSymmetry();
    while (poll == 1) {
        order = kCmdReadData;
        FillTxBuf(order, 0, 0, 0);
        GetDataFrame();
        if (bytesToRead == 0) {
            GetRxBufData();
            CopyDatatoVars();
            SetPanelData();
            ShowGraph();
        } else {
            SetPopupTimeout();
        }
        ProcessSystemEvents();
        Sleep(kPollPauseMs);
    }
}

}  // namespace orvelle
