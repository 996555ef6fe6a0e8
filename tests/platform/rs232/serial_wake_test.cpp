// A port waiting for a 36-byte reply with SetComWakeCount: whatever comes,
// a few bytes at a time, short, long or cut off by a vanishing device, the
// wait sees every byte, ends when it should, and leaves the port as before.
#include "platform/rs232/rs232.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "pty_pair.h"

#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kPort = 29;
constexpr int kReply = 36;
constexpr double kLimitS = 1.0;      // the wait's limit in these tests
constexpr double kPortTimeoutS = 2.0;

struct WakeCase {
    const char *name;
    int bytes;       // sent towards the port
    int chunk;       // this many at a time
    int gapUs;       // between chunks
    bool vanish;     // then the far end closes
    int queued;      // GetInQLen when the wait ends; -1: the port closed
};

void PrintTo(const WakeCase &c, std::ostream *os)
{
    *os << c.name;
}

class SerialWake : public ::testing::TestWithParam<WakeCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.Ok());
        SetComPortDevice(kPort, pty.SlavePath());
        ASSERT_EQ(OpenComConfig(kPort, "", 19200, 0, 8, 1, 1024, 1024), 0);
        ASSERT_EQ(SetComTime(kPort, kPortTimeoutS), 0);
    }
    void TearDown() override
    {
        CloseCom(kPort);
        SetComPortDevice(kPort, nullptr);
    }
    // The reply wait of the program: events until 36 bytes wait, the port
    // fails or the limit passes. Returns the last count.
    static int Wait(double *took)
    {
        const double start = Timer();
        int n = 0;
        for (;;) {
            ProcessSystemEventsUntil(start + kLimitS);
            n = GetInQLen(kPort);
            if (Timer() - start > kLimitS || n >= kReply || n < 0)
                break;
        }
        *took = Timer() - start;
        return n;
    }

    PtyPair pty;
};

TEST_P(SerialWake, TheWaitSeesEveryByteAndEndsWhenItShould)
{
    const WakeCase &c = GetParam();
    ASSERT_EQ(SetComWakeCount(kPort, kReply), 0);
    std::thread line([&] {
        for (int sent = 0; sent < c.bytes; sent += c.chunk) {
            pty.Send(std::string(static_cast<std::size_t>(std::min(c.chunk, c.bytes - sent)), 'r'));
            usleep(static_cast<useconds_t>(c.gapUs));
        }
        if (c.vanish)
            pty.CloseMaster();
    });
    double took = 0;
    const int n = Wait(&took);
    line.join();
    if (c.queued < 0) {
        EXPECT_LT(n, 0);
        EXPECT_LT(took, kLimitS) << "a vanished device is noticed during the wait";
        return;
    }
    EXPECT_EQ(n, c.queued);
    if (c.queued >= kReply) {
        EXPECT_LT(took, kLimitS);
    }
    // Bytes below the wake count are read without waiting out the port's time-out.
    char buf[64];
    const double start = Timer();
    EXPECT_EQ(ComRd(kPort, buf, n), n);
    EXPECT_LT(Timer() - start, kPortTimeoutS / 2);
    EXPECT_EQ(SetComWakeCount(kPort, 1), 0);
    EXPECT_EQ(GetInQLen(kPort), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, SerialWake,
    ::testing::Values(WakeCase{"WholeReplyTwoBytesAtATime", 36, 2, 1000, false, 36},
                      WakeCase{"WholeReplyAtOnce", 36, 36, 0, false, 36},
                      WakeCase{"FortyBytesAtOnce", 40, 40, 0, false, 40},
                      WakeCase{"TwentyBytesThenSilence", 20, 2, 1000, false, 20},
                      WakeCase{"AllButThreeThenSilence", 33, 3, 1500, false, 33},
                      WakeCase{"VanishesEarlyInTheReply", 10, 2, 1000, true, -1},
                      WakeCase{"VanishesNearItsEnd", 34, 2, 1000, true, -1}),
    [](const ::testing::TestParamInfo<WakeCase> &info) { return info.param.name; });

int lostCalls = 0;
void CountLost(int, int, void *)
{
    ++lostCalls;
}

// After a wait the port wakes for its input as before: a device pulled out
// while idle is reported at once.
TEST_F(SerialWake, AfterAWaitAnIdleUnplugIsReportedAgain)
{
    lostCalls = 0;
    ASSERT_EQ(InstallComCallback(kPort, LWRS_ERR, 0, 0, CountLost, nullptr), 0);
    ASSERT_EQ(SetComWakeCount(kPort, kReply), 0);
    ASSERT_TRUE(pty.Send("x"));  // the first byte: the rest would be slept through
    QTest::qWait(20);
    ASSERT_EQ(SetComWakeCount(kPort, 1), 0);
    pty.CloseMaster();
    QTest::qWait(500);
    EXPECT_EQ(lostCalls, 1);
    EXPECT_EQ(GetInQLen(kPort), kRs232PortNotOpen);
    EXPECT_EQ(SetComWakeCount(kPort, 0), kRs232PortNotOpen);
}

}  // namespace
