// TCP client services of the run-time on QTcpSocket, under their published
// names. The connection callback runs on the event-loop thread, inside event
// processing: TCP_CONNECT, TCP_DISCONNECT, TCP_DATAREADY. Time-outs in ms.
#pragma once

constexpr int TCP_CONNECT = 1;
constexpr int TCP_DISCONNECT = 2;
constexpr int TCP_DATAREADY = 3;

using tcpFuncPtr = int (*)(unsigned handle, int xType, int errCode, void *callbackData);

// Error codes.
constexpr int kTCP_UnableToRegisterService = -1;
constexpr int kTCP_UnableToEstablishConnection = -2;
constexpr int kTCP_ExistingServer = -3;
constexpr int kTCP_FailedToConnect = -4;
constexpr int kTCP_ServerNotRegistered = -5;
constexpr int kTCP_TooManyConversations = -6;
constexpr int kTCP_ReadFailed = -7;
constexpr int kTCP_WriteFailed = -8;
constexpr int kTCP_InvalidParameter = -9;
constexpr int kTCP_OutOfMemory = -10;
constexpr int kTCP_TimeOutErr = -11;
constexpr int kTCP_NoConnectionEstablished = -12;
constexpr int kTCP_GeneralIOErr = -13;
constexpr int kTCP_ConnectionClosed = -14;

// Connects within timeoutMs (repaints go on, operator input waits); the handle
// (> 0) goes to *conversationHandle. Returns 0 or a negative code.
int ConnectToTCPServer(unsigned *conversationHandle, int portNumber, const char *serverHostName,
                       tcpFuncPtr callback, void *callbackData, int timeoutMs);
int DisconnectFromTCPServer(unsigned conversationHandle);
// Returns the bytes written or a negative code.
int ClientTCPWrite(unsigned conversationHandle, const void *data, unsigned dataSize, int timeoutMs);
// Waits up to timeoutMs for data, then returns what is there (at most
// dataSize bytes), or a negative code (-11 when nothing came in time).
int ClientTCPRead(unsigned conversationHandle, void *buffer, unsigned dataSize, int timeoutMs);
// The host and the system's reason of the last failed connect ("" after a
// successful one), for messages that name the cause.
const char *GetTCPSystemErrorString();
