// The serial transport opens its port at 19200 baud, 8 data bits, no
// parity, 1 stop bit and no handshake: read back from the pseudo-terminal,
// since a pty passes bytes at any rate and framing.
#include <gtest/gtest.h>

#include "app/state.h"
#include "com232/transport.h"
#include "platform/rs232/pty_pair.h"
#include "platform/rs232/rs232.h"

namespace {

constexpr int kPort = 29;

TEST(SerialTransport, OpensThePortAt19200EightNoneOneWithoutHandshake)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    SetComPortDevice(kPort, pty.SlavePath());
    orvelle::comport = kPort;
    orvelle::InitRS232();
    EXPECT_EQ(orvelle::ret, 0);
    const PtyPair::Line line = pty.LineSettings();
    CloseCom(kPort);
    SetComPortDevice(kPort, nullptr);
    ASSERT_TRUE(line.ok);
    EXPECT_EQ(line.out, static_cast<speed_t>(B19200));
    EXPECT_EQ(line.in, static_cast<speed_t>(B19200));
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_EQ(line.parity, QSerialPort::NoParity);
    EXPECT_FALSE(line.twoStops);
    EXPECT_FALSE(line.rtsCts);
    EXPECT_FALSE(line.xonXoff);
}

}  // namespace
