// The record of the link: every frame out and in, with its time, direction,
// the frame as hex words and what it means, and the counters since start.
// The hooks sit where frames are sent, replies awaited and frames taken from
// a stream. While the log window is closed (linkLogOpen 0) they only count:
// no formatting, no allocation. Lines are kept in a ring of the last
// kLinkLogLines, fixed in size.
#pragma once

#include <cstddef>

namespace orvelle {

constexpr int kLinkLogLines = 10000;
constexpr int kLinkLogLineBytes = 192;

// A request frame (szWriteBuf) has been sent.
void LogRequest();
// A reply wait with limit limitS seconds has ended: a complete reply in
// szReadBuf, or a time-out (bytesToRead not 0).
void LogReply(double limitS);
// A frame the sensor sent by itself, taken from the stream.
void LogStreamFrame(const char *frame);
// A line of its own: a failure's reason, the link opened or lost.
void LogNote(const char *text);

// Lines written since start (the ring holds the last kLinkLogLines of them).
unsigned long long LinkLogCount();
// Line number n (counted from 0 since start); "" when the ring no longer
// holds it.
const char *LinkLogLine(unsigned long long n);
// Forgets the lines (the counters stay).
void ClearLinkLog();

}  // namespace orvelle
