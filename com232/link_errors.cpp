#include "com232/link_errors.h"

namespace orvelle {

const char *Rs232ErrorText(int code)
{
    switch (code) {
    case -1: return "Unknown system error";
    case -2: return "Invalid port number";
    case -3: return "Port is not open";
    case -4: return "Unknown I/0 error";
    case -6: return "No serial port found";
    case -7: return "Cannot open port";
    case -99: return "Timeout";
    default: return "RS-232 error!";
    }
}

const char *TcpErrorText(int code)
{
    static const char *const kTexts[] = {
        "UnableToRegisterService", "UnableToEstablishConnection", "ExistingServer",
        "FailedToConnect", "ServerNotRegistered", "TooManyConversations", "ReadFailed",
        "WriteFailed", "InvalidParameter", "OutOfMemory", "TimeOutError",
        "NoConnectionEstablished", "GeneralIOErr", "ConnectionClosed",
        "UnableToLoadWinsockDLL", "IncorrectWinsockDLLVersion", "NetworkSubsystemNotReady",
        "ConnectionsStillOpen", "DisconnectPending", "InfoNotAvailable",
    };
    if (code <= -1 && code >= -20)
        return kTexts[-code - 1];
    return "Connection to server failed";
}

}  // namespace orvelle
