#include "com232/frame_stream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/frame.h"
#include "com232/link_log.h"
#include "platform/rs232/rs232.h"
#include "platform/tcp/tcpsupp.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {

// Marker and command of a data frame, as they stand on the line.
constexpr unsigned char kHeader[] = {kReplyMarker >> 8, kReplyMarker & 0xFF, 0, kCmdReadData};
constexpr int kHeaderBytes = sizeof kHeader;

// How many of the first bytes of s[0, n) agree with a data frame's header.
int HeaderMatch(const unsigned char *s, int n)
{
    int k = 0;
    while (k < n && k < kHeaderBytes && s[k] == kHeader[k])
        ++k;
    return k;
}

// Whether a data frame may begin at s: its header whole, or as much of it
// as has arrived.
bool MayBeginFrame(const unsigned char *s, int n)
{
    return HeaderMatch(s, n) == std::min(n, kHeaderBytes);
}

// The first position from `from` on where a data frame may begin; n if none.
int NextFrameStart(const unsigned char *s, int from, int n)
{
    for (int i = from; i < n; ++i)
        if (MayBeginFrame(s + i, n - i))
            return i;
    return n;
}

// What the bytes at the front are that begin no data frame.
void DescribeForeign(const unsigned char *s, int skip, char *why, std::size_t size)
{
    if (skip >= kHeaderBytes && s[0] == kHeader[0] && s[1] == kHeader[1])
        std::snprintf(why, size, "not a data frame: command %u (%d bytes dropped)",
                      s[2] * 256u + s[3], skip);
    else if (skip >= 2 && s[0] == kHeader[0])
        std::snprintf(why, size, "wrong marker 0x%04X (%d bytes dropped)", s[0] * 256u + s[1],
                      skip);
    else
        std::snprintf(why, size, "%d bytes that begin no frame dropped", skip);
}

// Removes the first skip bytes. They count as a dropped frame of their own
// when they began with a data frame's header or were half a frame at least,
// and were not the rest of the frame dropped just before: so one broken
// frame counts once, whatever pieces it is dropped in, and a stray byte
// counts for nothing.
int Drop(char *stream, int n, int skip, int *length, int *dropRun)
{
    const auto *s = reinterpret_cast<const unsigned char *>(stream);
    const bool aFrame = HeaderMatch(s, skip) == kHeaderBytes || skip >= kFrameBytes / 2;
    std::memmove(stream, stream + skip, static_cast<std::size_t>(n - skip));
    *length = n - skip;
    if (*dropRun > 0 && *dropRun + skip <= kFrameBytes) {
        *dropRun += skip;
        return kStreamDroppedPiece;
    }
    if (!aFrame)
        return kStreamDroppedPiece;
    *dropRun = skip;
    return kStreamDropped;
}

}  // namespace

int TakeFrame(char *stream, int *length, int line, int *dropRun, char *frame, char *why,
              std::size_t whySize)
{
    int n = *length;
    if (n < 0 || n > kLinkBufBytes)
        n = 0;
    *length = n;
    if (whySize > 0)
        why[0] = '\0';
    if (n == 0)
        return kStreamWait;
    const auto *s = reinterpret_cast<const unsigned char *>(stream);
    if (!MayBeginFrame(s, n)) {
        const int skip = NextFrameStart(s, 1, n);
        DescribeForeign(s, skip, why, whySize);
        return Drop(stream, n, skip, length, dropRun);
    }
    if (n < kFrameBytes) {
        if (line != kLineEnded)
            return kStreamWait;
        std::snprintf(why, whySize, "unfinished frame of %d bytes dropped", n);
        return Drop(stream, n, n, length, dropRun);
    }
    // A whole frame's length from a header: what follows decides.
    const int rest = n - kFrameBytes;
    const int after = HeaderMatch(s + kFrameBytes, rest);
    const bool proven = (rest >= kHeaderBytes && after == kHeaderBytes)
                        || (rest == 0 && line == kLineQuiet);
    if (proven) {
        std::memcpy(frame, stream, kFrameBytes);
        std::memmove(stream, stream + kFrameBytes, static_cast<std::size_t>(rest));
        *length = rest;
        *dropRun = 0;
        LogStreamFrame(frame);
        return kStreamFrame;
    }
    // The next header may still be arriving.
    if (line == kLineBusy && after == rest && rest < kHeaderBytes)
        return kStreamWait;
    const int skip = NextFrameStart(s, 1, n);
    if (rest == 0)
        std::snprintf(why, whySize, "frame not confirmed: the line did not fall quiet after it "
                                    "(%d bytes dropped)", skip);
    else
        std::snprintf(why, whySize, "broken frame: no data frame follows its 36 bytes "
                                    "(%d bytes dropped)", skip);
    return Drop(stream, n, skip, length, dropRun);
}

void OpenLinkStream()
{
    streamLen = 0;
    streamLastByteS = Timer();
    streamrec = comprotocol != 0 ? 1 : 0;
}

void CloseLinkStream()
{
    streamrec = 0;
    streamLen = 0;
}

int ReadLinkStream(char *why, std::size_t whySize)
{
    const int room = kLinkBufBytes - streamLen;
    if (room <= 0)
        return 0;
    char *end = szStreamBuf + streamLen;
    int got = 0;
    if (comprotocol == 0) {
        const int waiting = GetInQLen(comport);
        if (waiting > 0)
            got = ComRd(comport, end, waiting < room ? waiting : room);
        if (waiting < 0 || got < 0) {
            const char *system = GetComErrorText(comport);
            if (*system)
                std::snprintf(why, whySize, "%s", system);
            else
                std::snprintf(why, whySize, "%.120s closed", linkPeer);
            return -1;
        }
    } else {
        if (tcpcon != 0)
            got = ClientTCPRead(g_hconversation, end, static_cast<unsigned>(room), 0);
        if (got == kTCP_TimeOutErr)
            got = 0;
        if (tcpcon == 0 || got < 0) {
            std::snprintf(why, whySize, "connection to %.120s closed", linkPeer);
            return -1;
        }
    }
    if (got > 0) {
        streamLen += got;
        streamLastByteS = Timer();
    }
    return got;
}

int StreamLineState()
{
    return Timer() - streamLastByteS > kStreamQuietS ? kLineQuiet : kLineBusy;
}

double NextStreamLook(double idleS)
{
    const double now = Timer();
    const double quietAt = streamLastByteS + kStreamQuietS;
    // Just past the moment, so that the look finds the line quiet.
    constexpr double kPastS = 0.001;
    if (streamLen > 0 && quietAt > now)
        return std::min(quietAt + kPastS, now + idleS);
    return now + idleS;
}

}  // namespace orvelle
