#include "com232/link_open.h"

#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/data_request.h"
#include "com232/frame.h"
#include "com232/link_reason.h"
#include "com232/transport.h"
#include "platform/events/events.h"
#include "platform/rs232/rs232.h"
#include "platform/tcp/tcpsupp.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {
constexpr int kProtocolRs232 = 0;
constexpr int kProtocolTcp = 1;
constexpr double kSettleS = 0.1;  // lets a sensor that was sending fall silent
}  // namespace

void CloseTcpLink()
{
    // A TCP connection left open behind RS-232 would hold the server's
    // client slot and report the server's close against the working link.
    if (tcpcon > 0)
        DisconnectFromTCPServer(g_hconversation);
    tcpcon = 0;
    g_hconversation = 0;
}

void CloseLink()
{
    if (comprotocol == kProtocolRs232)
        CloseCom(comport);
    CloseTcpLink();
}

int OpenLinkTransport()
{
    if (comprotocol == kProtocolRs232) {
        CloseTcpLink();
        InitRS232();
    } else if (comprotocol == kProtocolTcp) {
        InitTCP_IP();
    } else {
        // Neither transport: the result of an earlier attempt must not count.
        char why[kReasonBytes];
        std::snprintf(why, sizeof why, "protocol %u is neither 0 (RS-232) nor 1 (TCP/IP)",
                      comprotocol);
        NoteFailure(why);
        ret = -1;
    }
    return ret;
}

void PauseProcessingEvents(double seconds)
{
    const double start = Timer();
    while (Timer() - start < seconds)
        ProcessSystemEventsUntil(start + seconds);
}

int IdentifySensor()
{
    StopAutoSend();
    PauseProcessingEvents(kSettleS);
    order = kCmdIdentify;
    FillTxBuf(order, 0, 0, 0);
    if (comprotocol == kProtocolRs232) {
        FlushQueues();
        dataSize = 0;
        SendFrame(kTcpWriteTimeoutMs);
        WaitReply(linkReplyLimitS);
    } else {
        ArmReply();
        SendFrame(kTcpTestWriteTimeoutMs);
        WaitReply(linkIdLimitTcpS);
    }
    if (bytesToRead != 0)
        return -1;
    // The text ends at its first zero byte or after all 36 bytes.
    std::memcpy(version, szReadBuf, kVersionBytes);
    version[kVersionBytes] = '\0';
    return 0;
}

}  // namespace orvelle
