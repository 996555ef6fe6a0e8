#include "com232/link_reason.h"

#include <cstdio>

#include "app/state.h"
#include "com232/frame_text.h"
#include "com232/link_hooks.h"
#include "com232/link_log.h"
#include "platform/rs232/rs232.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {
constexpr int kRequestTextBytes = 48;
}

void NoteFailure(const char *reason)
{
    std::snprintf(szReason, sizeof szReason, "%s", reason && *reason ? reason : "link failure");
    std::snprintf(szReasonTime, sizeof szReasonTime, "%s", TimeStr());
    char line[kReasonBytes + kClockBytes + 2];
    std::snprintf(line, sizeof line, "%s, %s", szReason, szReasonTime);
    if (linkHooks && linkHooks->reason)
        linkHooks->reason(line);
    LogNote(szReason);
}

void NoteReplyFailure(double limitS)
{
    char asked[kRequestTextBytes];
    DescribeRequest(szWriteBuf, asked, sizeof asked);
    char reason[kReasonBytes];
    // Bytes that came: the serial queue's count, or what TCP still lacks.
    const int got = comprotocol == 0 ? dataSize : dataSize - bytesToRead;
    if (comprotocol != 0 && tcpcon == 0) {
        std::snprintf(reason, sizeof reason, "connection to %.120s closed (%s)", linkPeer, asked);
    } else if (comprotocol == 0 && got < 0) {
        const char *why = GetComErrorText(comport);
        std::snprintf(reason, sizeof reason, "%s (%s)", *why ? why : "serial port closed", asked);
    } else if (got <= 0) {
        std::snprintf(reason, sizeof reason, "sensor did not answer within %.1f s (%s)", limitS,
                      asked);
    } else if (got < kFrameBytes) {
        std::snprintf(reason, sizeof reason, "only %d of %d bytes within %.1f s (%s)", got,
                      kFrameBytes, limitS, asked);
    } else {
        std::snprintf(reason, sizeof reason, "reply of %d bytes, not %d (%s)", got, kFrameBytes,
                      asked);
    }
    NoteFailure(reason);
}

void NoteEchoFailure(int words)
{
    char asked[kRequestTextBytes];
    DescribeRequest(szWriteBuf, asked, sizeof asked);
    const int k = EchoMismatch(szWriteBuf, szReadBuf, words);
    char reason[kReasonBytes];
    if (k == 0 || k == 1)
        std::snprintf(reason, sizeof reason, "wrong marker 0x%02X%02X in the echo (%s)",
                      static_cast<unsigned char>(szReadBuf[0]),
                      static_cast<unsigned char>(szReadBuf[1]), asked);
    else
        std::snprintf(reason, sizeof reason, "wrong echo: byte %d is 0x%02X, sent 0x%02X (%s)", k,
                      static_cast<unsigned char>(szReadBuf[k < 0 ? 0 : k]),
                      static_cast<unsigned char>(szWriteBuf[k < 0 ? 0 : k]), asked);
    NoteFailure(reason);
}

}  // namespace orvelle
