// The texts shown for a failed port opening or TCP connection, one per code:
// the operator reads them in both status displays.
#include <gtest/gtest.h>

#include <string>

#include "com232/link_errors.h"

namespace {

struct ErrorCase {
    bool tcp;
    int code;
    const char *text;
};

class LinkErrorText : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(LinkErrorText, EachCodeHasItsText)
{
    const ErrorCase &c = GetParam();
    const char *text = c.tcp ? orvelle::TcpErrorText(c.code) : orvelle::Rs232ErrorText(c.code);
    EXPECT_EQ(std::string(text), c.text) << (c.tcp ? "TCP " : "RS-232 ") << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    PortOpening, LinkErrorText,
    ::testing::Values(ErrorCase{false, -1, "Unknown system error"},
                      ErrorCase{false, -2, "Invalid port number"},
                      ErrorCase{false, -3, "Port is not open"},
                      ErrorCase{false, -4, "Unknown I/0 error"},
                      ErrorCase{false, -5, "RS-232 error!"},
                      ErrorCase{false, -6, "No serial port found"},
                      ErrorCase{false, -7, "Cannot open port"},
                      ErrorCase{false, -8, "RS-232 error!"},
                      ErrorCase{false, -98, "RS-232 error!"},
                      ErrorCase{false, -99, "Timeout"},
                      ErrorCase{false, -100, "RS-232 error!"}));

INSTANTIATE_TEST_SUITE_P(
    TcpConnection, LinkErrorText,
    ::testing::Values(ErrorCase{true, -1, "UnableToRegisterService"},
                      ErrorCase{true, -2, "UnableToEstablishConnection"},
                      ErrorCase{true, -3, "ExistingServer"},
                      ErrorCase{true, -4, "FailedToConnect"},
                      ErrorCase{true, -5, "ServerNotRegistered"},
                      ErrorCase{true, -6, "TooManyConversations"},
                      ErrorCase{true, -7, "ReadFailed"},
                      ErrorCase{true, -8, "WriteFailed"},
                      ErrorCase{true, -9, "InvalidParameter"},
                      ErrorCase{true, -10, "OutOfMemory"},
                      ErrorCase{true, -11, "TimeOutError"},
                      ErrorCase{true, -12, "NoConnectionEstablished"},
                      ErrorCase{true, -13, "GeneralIOErr"},
                      ErrorCase{true, -14, "ConnectionClosed"},
                      ErrorCase{true, -15, "UnableToLoadWinsockDLL"},
                      ErrorCase{true, -16, "IncorrectWinsockDLLVersion"},
                      ErrorCase{true, -17, "NetworkSubsystemNotReady"},
                      ErrorCase{true, -18, "ConnectionsStillOpen"},
                      ErrorCase{true, -19, "DisconnectPending"},
                      ErrorCase{true, -20, "InfoNotAvailable"},
                      ErrorCase{true, -21, "Connection to server failed"},
                      ErrorCase{true, -100, "Connection to server failed"}));

}  // namespace
