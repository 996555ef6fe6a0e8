#include "com232/data_request.h"

#include <cstdio>

#include "app/state.h"
#include "com232/conversions.h"
#include "com232/frame.h"
#include "com232/link_reason.h"
#include "com232/reply_check.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "platform/events/events.h"
#include "platform/utility/utility.h"

namespace orvelle {

int GetDataFrame(char *why, std::size_t whySize)
{
    FlushQueues();
    ArmReply();
    SendFrame(kTcpWriteTimeoutMs);
    WaitReply(linkReplyLimitS);
    if (bytesToRead != 0)
        return kDataMissing;
    // Only a data frame counts: a late echo or garbage is no frame at all.
    char reason[kReasonBytes];
    if (CheckReadReply(szWriteBuf, szReadBuf, reason, sizeof reason) == kReplyAnswers)
        return kDataFrame;
    if (why && whySize > 0)
        std::snprintf(why, whySize, "%s", reason);
    bytesToRead = kFrameBytes;
    return kDataWrong;
}

void StopAutoSend()
{
    order = kCmdAutoSend;
    FillTxBuf(order, 0, 0, 0);
    FlushQueues();
    SendFrame(kTcpWriteTimeoutMs);
}

void PollData(void (*shown)())
{
    poll = 1;
    FlushQueues();
    while (poll == 1) {
        order = kCmdReadData;
        FillTxBuf(order, 0, 0, 0);
        char why[kReasonBytes];
        const int outcome = GetDataFrame(why, sizeof why);
        if (outcome == kDataFrame) {
            GetRxBufData();
            CopyDatatoVars();
            if (shown)
                shown();
        } else {
            if (outcome == kDataWrong)
                NoteFailure(why);
            SetPopupTimeout();
        }
        ProcessSystemEvents();
        Sleep(kPollPauseMs);
    }
}

}  // namespace orvelle
