// What is particular to the pseudo-terminal: raw bytes, line-speed pacing,
// and a slave that the program may close and open again.
#include "sim_fixture.h"

namespace {

using namespace simtest;

// 36 bytes each way at 19200 baud 8N1 take 2 x 18.75 ms.
constexpr double kPacedRoundTripMs = 2 * 36 * 10 * 1000.0 / 19200;

class SimPty : public SimLinkTest {};

TEST_P(SimPty, RawLineCarriesControlBytesUnchanged)
{
    sim::Frame write = request(sim::kCmdWriteParams,
                               {0x0D0A, 0x1113, 0x0304, 0x7F1A, 0x1C15, 0x0A0D, 0x00FF, 0xFF00});
    Bytes echo = client->exchange(write);
    ASSERT_EQ(echo.size(), 36u);
    EXPECT_TRUE(std::equal(echo.begin() + 2, echo.end(), write.begin() + 2));
    EXPECT_EQ(sensor->ram().params[1], 0x1113);
}

TEST_P(SimPty, PacedExchangeTakesTheLineTime)
{
    sim::SimConfig config = configFor(Link::Pty);
    config.paced = true;
    startWith(config);
    auto t0 = Clock::now();
    Bytes reply = client->exchange(request(sim::kCmdIdentify));
    EXPECT_GE(msSince(t0), kPacedRoundTripMs - 0.5);
    EXPECT_EQ(reply, idReply());
}

TEST_P(SimPty, PacingCanBeSwitchedWhileRunning)
{
    sensor->setPaced(true);
    client->exchange(request(sim::kCmdIdentify));   // runs after the switch
    auto t0 = Clock::now();
    Bytes reply = client->exchange(request(sim::kCmdReadParams));
    EXPECT_GE(msSince(t0), kPacedRoundTripMs - 0.5);
    EXPECT_EQ(reply.size(), 36u);
}

TEST_P(SimPty, SlaveCanBeClosedAndOpenedAgain)
{
    client.reset();
    PtyClient again(sensor->ptyPath());
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.exchange(request(sim::kCmdIdentify)), idReply());
}

INSTANTIATE_TEST_SUITE_P(Link, SimPty, ::testing::Values(Link::Pty), linkName);

} // namespace
