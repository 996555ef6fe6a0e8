// Opening the two transports, the TCP connection callback, sending a frame
// and waiting for the 36-byte reply.
#pragma once

namespace orvelle {

// Opens COM port `comport` at 19200 8N1 with 1024-byte queues. Result in
// `ret`; on failure the error text goes to szStatus and both status displays.
void InitRS232();
// Connects to ipBuf:portNum (5000 ms). Result in `ret`; tcpcon 1 on success,
// 0 on failure (error text in szStatus and the status displays).
void InitTCP_IP();
// The TCP connection's callback: stores reply bytes while one is awaited
// (bytesToRead > 0), drops unsolicited data, leaves the data to a triggered
// recording while streamrec is 1, reports a closed connection.
int ClientTCPCB(unsigned handle, int event, int error, void *callbackData);

// Sends the first 36 bytes of szWriteBuf on the current transport; the
// result goes to nBytesW. tcpTimeoutMs is the TCP write time-out. Over TCP,
// bytes still buffered from before are dropped first.
void SendFrame(int tcpTimeoutMs);
// RS-232 only: discards both queues, so the next reply starts at a frame
// boundary. Does nothing over TCP.
void FlushQueues();
// Arms the TCP reply: bytesToRead and dataSize become 36. Over RS-232 it
// sets dataSize to 0.
void ArmReply();
// Waits up to limitS seconds (Timer) for exactly 36 reply bytes, processing
// events meanwhile. Complete when bytesToRead is 0 afterwards; the reply is
// then in the first 36 bytes of szReadBuf.
void WaitReply(double limitS);
// The two halves of WaitReply, one per transport.
void WaitReplySerial(double limitS);
void WaitReplyTcp(double limitS);
void DropStaleTcpData();

}  // namespace orvelle
