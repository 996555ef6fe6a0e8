// Data frames taken out of a byte stream: the frames the sensor sends by
// itself come without a request, several in one read, or in pieces, or
// broken. A frame is taken only at a boundary the stream can prove, so no
// line is ever made of bytes the sensor did not send as one frame.
#pragma once

#include <cstddef>

namespace orvelle {

// How long the line must stay quiet after a frame's last byte for that byte
// to count as the frame's end, s. On the wire the bytes of a frame follow
// one byte time (0.52 ms at 19200 baud) apart, but the system and USB serial
// adapters pass them on in bursts, up to 16 ms apart.
constexpr double kStreamQuietS = 0.02;

// What is known of the line after the stream's last byte.
enum LineState {
    kLineBusy = 0,  // more bytes may follow at once
    kLineQuiet,     // nothing came for longer than kStreamQuietS
    kLineEnded,     // nothing more will be looked at: what is undecided is dropped
};

// What TakeFrame did at the front of the stream.
enum StreamStep {
    kStreamWait = 0,      // nothing can be decided yet
    kStreamFrame,         // a whole data frame, now in frame
    kStreamDropped,       // bytes dropped that count as a dropped frame of their own
    kStreamDroppedPiece,  // bytes dropped that are the rest of the frame dropped just
                          // before, or too few to have been a frame
};

// Looks at the front of stream[0, *length). A data frame (marker 0x00AA,
// command 5, 36 bytes) is taken only when the bytes after it begin another
// data frame, or when nothing follows it and the line is quiet; a frame
// whose last byte is really the first of the next one never passes.
// Anything else is dropped, up to where a data frame may begin, and why says
// what it was (at most whySize - 1 bytes). *dropRun carries the bytes of the
// frame counted as dropped last, so that the pieces of one broken frame
// count once (start it at 0); a stray byte or a little noise counts as no
// frame at all. What stays is moved to the front of stream and
// *length says how much it is. Returns a StreamStep.
int TakeFrame(char *stream, int *length, int line, int *dropRun, char *frame, char *why,
              std::size_t whySize);

// The stream of a triggered recording in szStreamBuf. OpenLinkStream empties
// it and, over TCP, makes the connection callback leave arriving bytes for
// ReadLinkStream; CloseLinkStream gives them back to the callback.
void OpenLinkStream();
void CloseLinkStream();
// Appends what the link has received to szStreamBuf, at most the room that
// is left (the rest waits in the link's queue), and notes when bytes came.
// Returns the bytes taken, 0 when nothing was waiting, or -1 when the port or
// connection is gone; why then names the peer that went away.
int ReadLinkStream(char *why, std::size_t whySize);
// kLineQuiet once nothing has come for kStreamQuietS, else kLineBusy.
int StreamLineState();
// When the stream should be looked at next (Timer seconds): the moment its
// last bytes become quiet while that is still ahead, else after idleS.
double NextStreamLook(double idleS);

}  // namespace orvelle
