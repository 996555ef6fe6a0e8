// Sending a frame and awaiting its reply on whichever transport is chosen.
#include "app/state.h"
#include "com232/link_log.h"
#include "com232/link_reason.h"
#include "com232/transport.h"
#include "platform/rs232/rs232.h"
#include "platform/tcp/tcpsupp.h"

namespace orvelle {

void SendFrame(int tcpTimeoutMs)
{
    if (comprotocol == 0) {
        nBytesW = static_cast<short>(ComWrt(comport, szWriteBuf, kFrameBytes));
    } else if (tcpcon > 0) {
        // Whatever is still buffered came while no reply was awaited: it
        // must not become the start of this request's reply.
        DropStaleTcpData();
        nBytesW = static_cast<short>(
            ClientTCPWrite(g_hconversation, szWriteBuf, kFrameBytes, tcpTimeoutMs));
    } else {
        nBytesW = -1;
    }
    LogRequest();
}

void FlushQueues()
{
    if (comprotocol != 0)
        return;
    FlushInQ(comport);
    FlushOutQ(comport);
}

void ArmReply()
{
    if (comprotocol == 0) {
        dataSize = 0;
    } else {
        bytesToRead = kFrameBytes;
        dataSize = kFrameBytes;
    }
}

void WaitReply(double limitS)
{
    if (comprotocol == 0)
        WaitReplySerial(limitS);
    else
        WaitReplyTcp(limitS);
    LogReply(limitS);
    if (bytesToRead != 0)
        NoteReplyFailure(limitS);
}

}  // namespace orvelle
