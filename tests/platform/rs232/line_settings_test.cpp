// The line settings an open port leaves on the terminal, read back from the
// pseudo-terminal: a pty carries any rate, so only this shows a wrong one.
#include "platform/rs232/rs232.h"
#include "pty_pair.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPort = 30;

// A pty refuses 7 bits, even parity and some rates with odd parity: the
// cases keep 8 bits and vary the rest.
struct LineCase {
    long baud;
    int parity;  // 0 none, 1 odd
    int stopBits, cts;
    speed_t speed;
};

class LineSettings : public ::testing::TestWithParam<LineCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.Ok());
        SetComPortDevice(kPort, pty.SlavePath());
    }
    void TearDown() override
    {
        CloseCom(kPort);
        SetComPortDevice(kPort, nullptr);
    }
    PtyPair pty;
};

TEST_P(LineSettings, OpenPortCarriesThemToTheTerminal)
{
    const LineCase &c = GetParam();
    ASSERT_EQ(OpenComConfig(kPort, "", c.baud, c.parity, 8, c.stopBits, 1024, 1024), 0)
        << GetComErrorText(kPort);
    ASSERT_EQ(SetCTSMode(kPort, c.cts), 0);
    const PtyPair::Line line = pty.LineSettings();
    ASSERT_TRUE(line.ok);
    EXPECT_EQ(line.out, c.speed);
    EXPECT_EQ(line.in, c.speed);
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_EQ(line.parity, c.parity == 1 ? QSerialPort::OddParity : QSerialPort::NoParity);
    EXPECT_EQ(line.twoStops, c.stopBits == 2);
    EXPECT_EQ(line.rtsCts, c.cts == 1);
    EXPECT_FALSE(line.xonXoff);
}

INSTANTIATE_TEST_SUITE_P(Rs232, LineSettings,
                         ::testing::Values(LineCase{19200, 0, 1, 0, B19200},
                                           LineCase{9600, 1, 2, 0, B9600},
                                           LineCase{38400, 0, 1, 1, B38400},
                                           LineCase{4800, 0, 2, 1, B4800}));

}  // namespace
