// TCP: connecting, the connection callback and waiting for a reply that the
// callback stores.
#include <algorithm>
#include <cstdio>

#include "app/state.h"
#include "com232/link_errors.h"
#include "com232/link_hooks.h"
#include "com232/link_log.h"
#include "com232/link_reason.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "platform/tcp/tcpsupp.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {
constexpr int kScratchBytes = 16 * 1024;
// Most bytes dropped in one go: more than a connection buffers, yet a peer
// that never pauses cannot keep the program in the loop.
constexpr int kDropLimitBytes = 256 * 1024;
// The callback takes what has arrived and returns; the rest of a reply comes
// with the next data-ready event. A short read wait covers a reply split
// over two segments without holding the window still.
constexpr int kCallbackReadWaitMs = 20;
double replyLimitS = kReplyLimitS;  // limit of the wait in progress
bool replyAwaited = false;          // WaitReplyTcp is waiting for a reply
char scratch[kScratchBytes];        // bytes nobody wants land here

// Reads and drops what has arrived on the connection, at most
// kDropLimitBytes; whatever comes after goes with the next data event.
void DropArrived(unsigned handle)
{
    for (int dropped = 0; dropped < kDropLimitBytes;) {
        const int n = ClientTCPRead(handle, scratch, sizeof scratch, 0);
        if (n <= 0)
            return;
        dropped += n;
    }
}

}  // namespace

// Drops whatever arrived while no reply was awaited and is still buffered,
// so the next reply starts at a frame boundary.
void DropStaleTcpData()
{
    if (tcpcon == 0)
        return;
    DropArrived(g_hconversation);
}

namespace {

// Takes everything that has arrived, up to the buffer's end: a reply longer
// than 36 bytes leaves bytesToRead negative and so counts as incomplete, as
// it does on the serial line.
void StoreReplyBytes(unsigned handle)
{
    while (bytesToRead > 0) {
        if (Timer() - tstart > replyLimitS)
            break;
        const int offset = dataSize - bytesToRead;
        if (offset < 0 || offset >= kLinkBufBytes)
            break;
        bytesRead = ClientTCPRead(handle, szReadBuf + offset,
                                  static_cast<unsigned>(kLinkBufBytes - offset),
                                  kCallbackReadWaitMs);
        if (bytesRead <= 0)
            break;
        bytesToRead -= bytesRead;
        // Between two parts of a reply the window stays live; a complete
        // reply returns at once to the wait that asked for it.
        if (bytesToRead > 0)
            ProcessSystemEvents();
    }
}

}  // namespace

void InitTCP_IP()
{
    if (tcpcon > 0)
        DisconnectFromTCPServer(g_hconversation);
    tcpcon = 0;
    if (linkHooks && linkHooks->busy)
        linkHooks->busy(1);
    ret = static_cast<short>(ConnectToTCPServer(&g_hconversation, portNum, ipBuf, ClientTCPCB,
                                                nullptr, kTcpConnectTimeoutMs));
    if (linkHooks && linkHooks->busy)
        linkHooks->busy(0);
    if (ret < 0) {
        std::snprintf(szStatus, sizeof szStatus, "%s", TcpErrorText(ret));
        ShowStatus(szStatus);
        NoteFailure(GetTCPSystemErrorString());
        tcpcon = 0;
        return;
    }
    tcpcon = 1;
    // The server text on the panel may change before this connection ends.
    std::snprintf(linkPeer, sizeof linkPeer, "%.99s:%d", ipBuf, portNum);
    if (linkLogOpen) {
        char note[kReasonBytes];
        std::snprintf(note, sizeof note, "connected to %.120s", linkPeer);
        LogNote(note);
    }
}

int ClientTCPCB(unsigned handle, int event, int, void *)
{
    switch (event) {
    case TCP_DATAREADY:
        if (streamrec)
            break;  // a triggered recording reads the stream itself
        // Bytes that come while no reply is awaited (unsolicited, or late
        // after a time-out) are read and dropped, never left to pile up.
        if (replyAwaited && bytesToRead > 0)
            StoreReplyBytes(handle);
        else
            DropArrived(handle);
        break;
    case TCP_DISCONNECT:
        // Mark the link dead before the hook runs (the window's popup has
        // an event loop of its own), so a wait in progress ends at its next
        // turn instead of going on.
        g_hconversation = 0;
        tcpcon = 0;
        {
            char reason[kReasonBytes];
            std::snprintf(reason, sizeof reason, "server %.120s closed the connection", linkPeer);
            NoteFailure(reason);
        }
        ShowLinkStale(1);
        if (linkHooks && linkHooks->serverClosed)
            linkHooks->serverClosed();
        break;
    default:
        break;
    }
    return 0;
}

void WaitReplyTcp(double limitS)
{
    replyLimitS = limitS;
    replyAwaited = true;
    tstart = Timer();
    while (bytesToRead > 0) {
        ProcessSystemEventsUntil(tstart + limitS);
        tdiff = Timer() - tstart;
        if (tdiff > limitS || tcpcon == 0)
            break;
    }
    replyAwaited = false;
    replyLimitS = kReplyLimitS;
}

}  // namespace orvelle
