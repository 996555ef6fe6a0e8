// A device that goes away (the far end of the pty closes, as when a USB
// adapter is pulled) closes the port at once instead of leaving an open port
// that floods the event loop with errors.
#include "platform/rs232/rs232.h"
#include "pty_pair.h"

#include <gtest/gtest.h>

#include <QTest>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kPort = 30;
constexpr int kWatchMs = 1000;        // how long the processor load is watched
constexpr double kIdleCpuS = 0.2;     // generous: a flood burns ~1 s in 1 s

double ProcessCpuSeconds()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// Processes events for kWatchMs and returns the CPU time used meanwhile.
double CpuWhileProcessingEvents()
{
    const double before = ProcessCpuSeconds();
    QTest::qWait(kWatchMs);
    return ProcessCpuSeconds() - before;
}

class SerialVanish : public ::testing::Test {
protected:
    void TearDown() override
    {
        CloseCom(kPort);
        SetComPortDevice(kPort, nullptr);
    }
    int Open(const PtyPair &pty)
    {
        SetComPortDevice(kPort, pty.SlavePath());
        return OpenComConfig(kPort, "", 19200, 0, 8, 1, 1024, 1024);
    }
};

TEST_F(SerialVanish, DeviceLostDuringReadClosesThePortAndLeavesTheProcessorIdle)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_EQ(Open(pty), 0);
    ASSERT_EQ(SetComTime(kPort, 5.0), 0);
    std::thread unplug([&pty] {
        usleep(100000);
        pty.CloseMaster();
    });
    char buf[36];
    const int n = ComRd(kPort, buf, 36);
    unplug.join();
    EXPECT_LT(n, 0);
    EXPECT_EQ(GetInQLen(kPort), kRs232PortNotOpen);
    EXPECT_EQ(ComWrt(kPort, "x", 1), kRs232PortNotOpen);
    EXPECT_STRNE(GetComErrorText(kPort), "");
    EXPECT_LT(CpuWhileProcessingEvents(), kIdleCpuS);

    // The next open (here on a new device) works again.
    PtyPair again;
    ASSERT_TRUE(again.Ok());
    ASSERT_EQ(Open(again), 0);
    ASSERT_TRUE(again.Send("ok"));
    ASSERT_EQ(SetComTime(kPort, 2.0), 0);
    EXPECT_EQ(ComRd(kPort, buf, 2), 2);
}

TEST_F(SerialVanish, DeviceLostWhileIdleIsNoticedByTheEventLoop)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    ASSERT_EQ(Open(pty), 0);
    pty.CloseMaster();
    EXPECT_LT(CpuWhileProcessingEvents(), kIdleCpuS);
    EXPECT_EQ(GetInQLen(kPort), kRs232PortNotOpen);
}

}  // namespace
