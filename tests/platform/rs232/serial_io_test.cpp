// Reads, writes and queues of an open port, against a pseudo-terminal whose
// master side the test drives.
#include "platform/rs232/rs232.h"
#include "pty_pair.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <cstring>
#include <thread>
#include <string>
#include <unistd.h>

namespace {

constexpr int kPort = 31;
constexpr int kArriveMs = 2000;   // upper bound for bytes to cross the pty

// Waits until the port holds at least n bytes; returns what GetInQLen said last.
int WaitForInQ(int port, int n)
{
    QDeadlineTimer deadline(kArriveMs);
    int len = GetInQLen(port);
    while (len >= 0 && len < n && !deadline.hasExpired()) {
        usleep(1000);
        len = GetInQLen(port);
    }
    return len;
}

class SerialIo : public ::testing::Test {
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
    int Open() { return OpenComConfig(kPort, "", 19200, 0, 8, 1, 1024, 1024); }

    PtyPair pty;
};

TEST_F(SerialIo, OpenDiscardsWhatWasWaitingAndReadsWhatComesAfter)
{
    ASSERT_TRUE(pty.Send("stale bytes"));
    usleep(50000);
    ASSERT_EQ(Open(), 0);
    EXPECT_EQ(GetInQLen(kPort), 0);

    ASSERT_TRUE(pty.Send("hello"));
    EXPECT_EQ(WaitForInQ(kPort, 5), 5);
    char buf[16] = {};
    EXPECT_EQ(ComRd(kPort, buf, 5), 5);
    EXPECT_STREQ(buf, "hello");
    EXPECT_EQ(GetInQLen(kPort), 0);
}

TEST_F(SerialIo, ReadIsBoundedByTheCountAndKeepsTheRest)
{
    ASSERT_EQ(Open(), 0);
    ASSERT_TRUE(pty.Send("0123456789"));
    ASSERT_EQ(WaitForInQ(kPort, 10), 10);
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(ComRd(kPort, buf, 4), 4);
    EXPECT_EQ(std::string(buf, 8), "0123####");
    EXPECT_EQ(GetInQLen(kPort), 6);
    ASSERT_EQ(SetComTime(kPort, 0.05), 0);
    EXPECT_EQ(ComRd(kPort, buf, 8), 6);
    EXPECT_EQ(std::string(buf, 6), "456789");
}

TEST_F(SerialIo, ShortReadReturnsWhatCameWhenTheTimeOutEnds)
{
    ASSERT_EQ(Open(), 0);
    ASSERT_EQ(SetComTime(kPort, 0.2), 0);
    ASSERT_TRUE(pty.Send("abc"));
    char buf[36] = {};
    EXPECT_EQ(ComRd(kPort, buf, 36), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(ComRd(kPort, buf, 36), 0);
}

TEST_F(SerialIo, ReadWaitsForBytesThatArriveLater)
{
    ASSERT_EQ(Open(), 0);
    ASSERT_EQ(SetComTime(kPort, 2.0), 0);
    ASSERT_TRUE(pty.Send("ab"));
    // The rest follows while ComRd is already waiting.
    std::thread later([this] {
        usleep(100000);
        pty.Send("cd");
    });
    char buf[4] = {};
    const int n = ComRd(kPort, buf, 4);
    later.join();
    EXPECT_EQ(n, 4);
    EXPECT_EQ(std::string(buf, 4), "abcd");
}

TEST_F(SerialIo, WriteReachesTheFarEnd)
{
    ASSERT_EQ(Open(), 0);
    ASSERT_EQ(SetComTime(kPort, 2.0), 0);
    const char frame[] = "\x00\x55\x00\x07 request";
    EXPECT_EQ(ComWrt(kPort, frame, sizeof frame - 1), static_cast<int>(sizeof frame - 1));
    EXPECT_EQ(pty.Receive(sizeof frame - 1, kArriveMs), std::string(frame, sizeof frame - 1));
    EXPECT_EQ(ComWrt(kPort, frame, 0), 0);
    EXPECT_EQ(ComWrt(kPort, nullptr, 3), kRs232InvalidParameter);
}

TEST_F(SerialIo, FlushInQDiscardsReceivedBytes)
{
    ASSERT_EQ(Open(), 0);
    ASSERT_TRUE(pty.Send("late reply"));
    ASSERT_EQ(WaitForInQ(kPort, 10), 10);
    EXPECT_EQ(FlushInQ(kPort), 0);
    EXPECT_EQ(GetInQLen(kPort), 0);
    EXPECT_EQ(FlushOutQ(kPort), 0);
    ASSERT_TRUE(pty.Send("new"));
    EXPECT_EQ(WaitForInQ(kPort, 3), 3);
}

TEST_F(SerialIo, ClosedPortRefusesIoAndOpensAgain)
{
    ASSERT_EQ(Open(), 0);
    ASSERT_EQ(SetCTSMode(kPort, LWRS_HWHANDSHAKE_OFF), 0);
    EXPECT_EQ(CloseCom(kPort), 0);
    char c;
    EXPECT_EQ(ComRd(kPort, &c, 1), kRs232PortNotOpen);
    EXPECT_EQ(GetInQLen(kPort), kRs232PortNotOpen);
    ASSERT_EQ(Open(), 0);
    ASSERT_TRUE(pty.Send("x"));
    EXPECT_EQ(WaitForInQ(kPort, 1), 1);
    // Opening an open port reopens it with the new settings.
    EXPECT_EQ(Open(), 0);
    EXPECT_EQ(GetInQLen(kPort), 0);
}

TEST_F(SerialIo, TimeOutMustNotBeNegative)
{
    ASSERT_EQ(Open(), 0);
    EXPECT_EQ(SetComTime(kPort, -1.0), kRs232InvalidParameter);
    EXPECT_EQ(SetCTSMode(kPort, 7), kRs232InvalidParameter);
}

}  // namespace
