// Why the link failed, in the link's own words. The status fields keep the
// fixed texts ("TIMEOUT", the error names); the reason beside them names the
// host or device, the system's text or what the reply lacked, and the time.
#pragma once

namespace orvelle {

// Keeps reason in szReason with the time in szReasonTime and hands both to
// the reason hook ("<reason>, HH:MM:SS"; the window's interface panel shows
// it on its reason line).
void NoteFailure(const char *reason);
// Notes why the reply wait that just ended (limit limitS, seconds) is not
// complete: no answer, too few or too many bytes, or a link that went away.
void NoteReplyFailure(double limitS);
// Notes why the echo in szReadBuf does not confirm the request in szWriteBuf
// over its first 2 * words bytes.
void NoteEchoFailure(int words);

}  // namespace orvelle
