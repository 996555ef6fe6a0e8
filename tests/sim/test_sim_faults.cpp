// Each fault switch, seen from the program's side of the link, on TCP and on
// the pseudo-terminal.
#include "sim_fixture.h"

namespace {

using namespace simtest;
using sim::kCmdAutoSend;
using sim::kCmdDataFrame;
using sim::kCmdEepromReads;
using sim::kCmdIdentify;
using sim::kCmdReadParams;
using sim::kCmdReadRow;
using sim::kCmdWriteParams;
using sim::kCmdWriteRow;

using SimFaults = SimLinkTest;

sim::FaultScope only(uint16_t cmd)
{
    return {true, cmd};
}

constexpr sim::FaultScope kEverything{true, sim::kAllCommands};

TEST_P(SimFaults, NoReplyToOneCommandOnly)
{
    sim::FaultConfig f;
    f.noReply = only(kCmdEepromReads);
    sensor->setFaults(f);
    client->send(request(kCmdEepromReads));
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());

    f.noReply = only(kCmdReadParams);
    sensor->setFaults(f);
    client->send(request(kCmdReadParams));
    Bytes row = client->exchange(request(kCmdReadRow, {0}));
    EXPECT_EQ(wordAt(row, 1), kCmdReadRow);

    f.noReply = kEverything;
    sensor->setFaults(f);
    client->send(request(kCmdIdentify));
    EXPECT_TRUE(client->read(1, kSilenceMs).empty());
    sensor->clearFaults();
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());
}

TEST_P(SimFaults, ShortAndLongReplies)
{
    Bytes normal = client->exchange(request(kCmdReadParams));
    ASSERT_EQ(normal.size(), 36u);
    sim::FaultConfig f;
    f.replyLength = only(kCmdReadParams);
    f.replyBytes = sim::kShortReplyBytes;
    sensor->setFaults(f);
    client->send(request(kCmdReadParams));
    client->send(request(kCmdIdentify));
    Bytes got = client->read(20 + 36, kReplyWaitMs);
    ASSERT_EQ(got.size(), 56u);
    EXPECT_EQ(Bytes(got.begin(), got.begin() + 20), Bytes(normal.begin(), normal.begin() + 20));
    EXPECT_EQ(Bytes(got.begin() + 20, got.end()), idReply());

    f.replyBytes = sim::kLongReplyBytes;
    sensor->setFaults(f);
    client->send(request(kCmdReadParams));
    client->send(request(kCmdIdentify));
    got = client->read(40 + 36, kReplyWaitMs);
    ASSERT_EQ(got.size(), 76u);
    EXPECT_EQ(Bytes(got.begin(), got.begin() + 36), normal);
    EXPECT_EQ(Bytes(got.begin() + 36, got.begin() + 40), Bytes(4, 0));
    EXPECT_EQ(Bytes(got.begin() + 40, got.end()), idReply());
}

TEST_P(SimFaults, WrongMarkerSparesTheIdentificationText)
{
    sim::FaultConfig f;
    f.wrongMarker = kEverything;
    sensor->setFaults(f);
    Bytes reply = client->exchange(request(kCmdReadParams));
    EXPECT_EQ(wordAt(reply, 0), sim::kWrongMarker);
    EXPECT_EQ(wordAt(reply, 1), kCmdReadParams);
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());

    // Limited to one reply: the identification does not use it up.
    f.wrongMarkerReplies = 1;
    sensor->setFaults(f);
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 0), sim::kWrongMarker);
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 0), sim::kReplyMarker);
}

TEST_P(SimFaults, WrongEchoByteChangesEchoesOnly)
{
    sim::FaultConfig f;
    f.wrongEcho = kEverything;   // byte 1 becomes 0x55
    sensor->setFaults(f);
    sim::Frame write = request(kCmdWriteParams, {800, 3});
    Bytes expected = bytesOf(write);   // 00 55 ...: the marker byte left as in the request
    EXPECT_EQ(client->exchange(write), expected);
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 0), sim::kReplyMarker);
}

TEST_P(SimFaults, EchoOfTeachRowDiffersOnlyInBytes12To35)
{
    sim::FaultConfig f;
    f.wrongEcho = only(kCmdWriteRow);
    f.echoFirst = 12;
    f.echoLast = 35;
    f.echoValue = sim::kEchoInvert;
    sensor->setFaults(f);
    sim::Frame row = request(kCmdWriteRow, {4, 10, 20, 30, 40, 50, 60});
    Bytes echo = client->exchange(row);
    ASSERT_EQ(echo.size(), 36u);
    EXPECT_EQ(wordAt(echo, 0), sim::kReplyMarker);
    EXPECT_TRUE(std::equal(echo.begin() + 2, echo.begin() + 12, row.begin() + 2));
    for (std::size_t i = 12; i < 36; ++i)
        EXPECT_NE(echo[i], row[i]) << "byte " << i;
    sim::Frame write = request(kCmdWriteParams, {800});
    EXPECT_EQ(wordAt(client->exchange(write), 2), 800);   // other echoes intact
}

TEST_P(SimFaults, RowReplyCarriesTheNextRow)
{
    sim::ParamSet ram = sim::defaultParamSet();
    ram.teach[7] = {7, 70, 700, 7, 77, 7};
    sensor->setRam(ram);
    sim::FaultConfig f;
    f.rowOffset = 1;
    sensor->setFaults(f);
    Bytes reply = client->exchange(request(kCmdReadRow, {6}));
    EXPECT_EQ(wordAt(reply, 2), 7);
    EXPECT_EQ(wordAt(reply, 3), 7);
    EXPECT_EQ(wordAt(reply, 5), 700);
    // Row 30 has no next row: no reply.
    client->send(request(kCmdReadRow, {30}));
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());
}

TEST_P(SimFaults, DelayHoldsTheReplyBack)
{
    constexpr int kDelayMs = 120;
    sim::FaultConfig f;
    f.delay = only(kCmdReadParams);
    f.delayMs = kDelayMs;
    sensor->setFaults(f);
    auto t0 = Clock::now();
    Bytes reply = client->exchange(request(kCmdReadParams));
    EXPECT_GE(msSince(t0), kDelayMs);
    EXPECT_EQ(wordAt(reply, 1), kCmdReadParams);
}

TEST_P(SimFaults, LinkClosesAfterNFrames)
{
    sim::FaultConfig f;
    f.closeAfterFrames = 2;
    sensor->setFaults(f);
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());
    EXPECT_TRUE(client->waitClosed(kReplyWaitMs));
    if (GetParam() == Link::Tcp) {
        TcpClient again(sensor->tcpPort());
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again.exchange(request(kCmdIdentify)), idReply());
    }
}

TEST_P(SimFaults, UnsolicitedDataFramesArriveUnasked)
{
    sim::FaultConfig f;
    f.unsolicitedMs = 30;
    sensor->setFaults(f);
    Bytes frame = client->read(36, kReplyWaitMs);
    EXPECT_EQ(wordAt(frame, 0), sim::kReplyMarker);
    EXPECT_EQ(wordAt(frame, 1), kCmdDataFrame);
    EXPECT_EQ(sensor->receivedFrames().size(), 0u);
}

TEST_P(SimFaults, AutomaticFramesCountAsDataFramesForFaults)
{
    sensor->setTriggerPeriodMs(20);
    sim::FaultConfig f;
    f.wrongMarker = only(kCmdDataFrame);
    sensor->setFaults(f);
    client->send(request(kCmdAutoSend, {1}));
    Bytes frame = client->read(36, kReplyWaitMs);
    EXPECT_EQ(wordAt(frame, 0), sim::kWrongMarker);
    EXPECT_EQ(wordAt(frame, 1), kCmdDataFrame);
    client->send(request(kCmdAutoSend, {0}));
}

TEST_P(SimFaults, DroppedConnectionIsSeenByTheProgram)
{
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());   // the link is up
    sensor->dropConnections();
    EXPECT_TRUE(client->waitClosed(kReplyWaitMs));
}

INSTANTIATE_TEST_SUITE_P(Links, SimFaults, ::testing::Values(Link::Tcp, Link::Pty), linkName);

} // namespace
