// Opening the link with the connection settings in the variables, and the
// first exchange that proves a sensor answers on it. Shared by the window's
// connection attempt and orvelle-cli; no panel is touched.
#pragma once

namespace orvelle {

// Opens the transport of comprotocol: RS-232 (COM port comport; a TCP
// connection still open is closed first) or TCP (ipBuf:portNum). Any other
// protocol opens nothing and is noted as the failure. Returns ret: 0 or
// more once open; negative with the error text in szStatus and the status,
// and the system's reason noted.
int OpenLinkTransport();
// Closes a TCP connection that is open; tcpcon and g_hconversation 0.
void CloseTcpLink();
// Closes whatever link is open: the TCP connection, or COM port comport.
void CloseLink();
// The first exchange on a link just opened: automatic sending silenced, a
// pause of 0.1 s for a sensor that was sending, then the identification
// (command 7) awaited for linkIdLimitTcpS over TCP and linkReplyLimitS over
// RS-232. Returns 0 with the text in version (up to its first zero byte, at
// most 36 characters), or -1 with the reason noted; neither shows the status
// nor calls SetPopupTimeout, which is the caller's.
int IdentifySensor();
// Waits the given seconds while processing events.
void PauseProcessingEvents(double seconds);

}  // namespace orvelle
