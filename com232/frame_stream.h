// Reply frames taken out of a byte stream. Frames that the sensor sends by
// itself come without a request: several in one read, or a frame in pieces.
#pragma once

namespace orvelle {

// Takes the first complete reply frame out of stream[0, *length). Bytes
// before the first reply marker (0x00 0xAA) are dropped, so the stream finds
// its frames again after a broken or foreign frame; a frame that has only
// partly arrived stays for its rest. Returns 1 with the frame's 36 bytes in
// frame, or 0 when no complete frame is there. What stays is moved to the
// front of stream and *length says how much it is.
int TakeFrame(char *stream, int *length, char *frame);

// The stream of a triggered recording. OpenLinkStream empties szStreamBuf
// and, over TCP, makes the connection callback leave arriving bytes for
// ReadLinkStream; CloseLinkStream gives them back to the callback.
void OpenLinkStream();
void CloseLinkStream();
// Appends what the link has received to szStreamBuf, at most the room that
// is left (the rest waits in the link's queue). Returns the bytes taken, 0
// when nothing was waiting, or -1 when the port or connection is gone.
int ReadLinkStream();

}  // namespace orvelle
