// RS-232: opening the port and waiting for a reply in its input queue.
#include <algorithm>
#include <cstdio>

#include "app/state.h"
#include "com232/link_errors.h"
#include "com232/link_log.h"
#include "com232/link_reason.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "platform/rs232/rs232.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {
constexpr long kBaud = 19200;
constexpr int kParityNone = 0;
constexpr int kDataBits = 8;
constexpr int kStopBits = 1;
constexpr int kQueueBytes = 1024;
constexpr double kPortTimeoutS = 2.0;
}  // namespace

void InitRS232()
{
    poll = 0;
    CloseCom(comport);
    ret = static_cast<short>(
        OpenComConfig(comport, "", kBaud, kParityNone, kDataBits, kStopBits, kQueueBytes, kQueueBytes));
    if (ret < 0) {
        std::snprintf(szStatus, sizeof szStatus, "%s", Rs232ErrorText(ret));
        ShowStatus(szStatus);
        NoteFailure(GetComErrorText(comport));
        return;
    }
    SetComTime(comport, kPortTimeoutS);
    FlushInQ(comport);
    FlushOutQ(comport);
    SetCTSMode(comport, LWRS_HWHANDSHAKE_OFF);
    std::snprintf(linkPeer, sizeof linkPeer, "COM%u (%s)", comport, ComPortDevice(comport));
    if (linkLogOpen) {
        char note[kReasonBytes];
        std::snprintf(note, sizeof note, "%.120s opened", linkPeer);
        LogNote(note);
    }
}

// Waits until at least 36 bytes are queued or the limit has passed, then
// takes everything queued. Exactly 36 makes the reply complete; fewer (time-
// out, vanished port) and more both leave bytesToRead non-zero. The port
// wakes the wait once the 36 bytes are there, not at every byte or two.
void WaitReplySerial(double limitS)
{
    tstart = Timer();
    SetComWakeCount(comport, kFrameBytes);
    for (;;) {
        ProcessSystemEventsUntil(tstart + limitS);
        dataSize = GetInQLen(comport);
        tdiff = Timer() - tstart;
        // A port that closed (device gone) brings nothing more.
        if (tdiff > limitS || dataSize >= kFrameBytes || dataSize < 0)
            break;
    }
    SetComWakeCount(comport, 1);
    const int n = dataSize;
    if (n > 0) {
        ComRd(comport, szReadBuf, std::min(n, kLinkBufBytes));
        if (n > kLinkBufBytes)
            FlushInQ(comport);  // more than the buffer holds: the rest is dropped too
    }
    bytesToRead = kFrameBytes - n;
}

}  // namespace orvelle
