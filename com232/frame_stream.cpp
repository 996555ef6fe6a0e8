#include "com232/frame_stream.h"

#include <cstring>

#include "app/state.h"
#include "com232/frame.h"
#include "com232/link_log.h"
#include "platform/rs232/rs232.h"
#include "platform/tcp/tcpsupp.h"

namespace orvelle {

namespace {

constexpr unsigned char kMarkerHi = kReplyMarker >> 8;
constexpr unsigned char kMarkerLo = kReplyMarker & 0xFF;

// Where the first reply marker begins; a last byte that may begin one
// counts as its start.
int MarkerAt(const unsigned char *s, int n)
{
    for (int i = 0; i < n; ++i)
        if (s[i] == kMarkerHi && (i + 1 == n || s[i + 1] == kMarkerLo))
            return i;
    return n;
}

}  // namespace

int TakeFrame(char *stream, int *length, char *frame)
{
    int n = *length;
    if (n < 0 || n > kLinkBufBytes)
        n = 0;
    const int skip = MarkerAt(reinterpret_cast<const unsigned char *>(stream), n);
    std::memmove(stream, stream + skip, static_cast<std::size_t>(n - skip));
    n -= skip;
    int taken = 0;
    if (n >= kFrameBytes) {
        std::memcpy(frame, stream, kFrameBytes);
        std::memmove(stream, stream + kFrameBytes, static_cast<std::size_t>(n - kFrameBytes));
        n -= kFrameBytes;
        taken = 1;
        LogStreamFrame(frame);
    }
    *length = n;
    return taken;
}

void OpenLinkStream()
{
    streamLen = 0;
    streamrec = comprotocol != 0 ? 1 : 0;
}

void CloseLinkStream()
{
    streamrec = 0;
    streamLen = 0;
}

int ReadLinkStream()
{
    const int room = kLinkBufBytes - streamLen;
    if (room <= 0)
        return 0;
    char *end = szStreamBuf + streamLen;
    int got = 0;
    if (comprotocol == 0) {
        const int waiting = GetInQLen(comport);
        if (waiting < 0)
            return -1;
        if (waiting > 0)
            got = ComRd(comport, end, waiting < room ? waiting : room);
    } else {
        if (tcpcon == 0)
            return -1;
        got = ClientTCPRead(g_hconversation, end, static_cast<unsigned>(room), 0);
        if (got == kTCP_TimeOutErr)
            got = 0;
    }
    if (got < 0)
        return -1;
    streamLen += got;
    return got;
}

}  // namespace orvelle
