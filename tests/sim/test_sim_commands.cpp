// Every command over the wire, on TCP and on the pseudo-terminal: the reply
// bytes, the echo rules, what each command does to RAM and EEPROM, and the
// frame log.
#include "sim_fixture.h"

namespace {

using namespace simtest;
using sim::kCmdAutoSend;
using sim::kCmdDataFrame;
using sim::kCmdEepromReads;
using sim::kCmdIdentify;
using sim::kCmdReadParams;
using sim::kCmdReadRow;
using sim::kCmdStoreEeprom;
using sim::kCmdWriteParams;
using sim::kCmdWriteRow;

using SimCommands = SimLinkTest;

Bytes echoOf(const sim::Frame &req)
{
    Bytes b = bytesOf(req);
    b[1] = 0xAA;
    return b;
}

TEST_P(SimCommands, IdentificationIsTheTextPaddedWithZeros)
{
    Bytes expected(36, 0);
    const std::string text = "ORV-3CH SIM V1.0";
    std::copy(text.begin(), text.end(), expected.begin());
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), expected);

    const std::string full(36, 'Z');
    sensor->setIdText(full + "overflow");
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), Bytes(full.begin(), full.end()));
}

TEST_P(SimCommands, ParameterReadGivesTheSixteenSlotsInOrder)
{
    const Bytes expected = {0x00, 0xAA, 0x00, 0x03, 0x03, 0x20, 0x00, 0x03, 0x00, 0x04,
                            0x00, 0x00, 0x00, 0x0A, 0x00, 0x64, 0x00, 0x04, 0x00, 0x01,
                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(client->exchange(request(kCmdReadParams)), expected);
}

TEST_P(SimCommands, ParameterWriteIsEchoedAndChangesRamOnly)
{
    sim::Frame req = request(kCmdWriteParams,
                             {1000, 1, 2, 1, 20, 200, 31, 2, 1, 0, 11, 12, 13, 14, 15, 0xFFFF});
    EXPECT_EQ(client->exchange(req), echoOf(req));
    sim::ParamSet ram = sensor->ram();
    EXPECT_EQ(ram.params[sim::kSlotPower], 1000);
    EXPECT_EQ(ram.params[sim::kSlotMaxNr], 31);
    EXPECT_EQ(ram.params[15], 0xFFFF);
    EXPECT_EQ(sensor->eeprom(), sim::defaultParamSet());

    Bytes read = client->exchange(request(kCmdReadParams));
    ASSERT_EQ(read.size(), 36u);
    EXPECT_TRUE(std::equal(read.begin() + 4, read.end(), echoOf(req).begin() + 4));
}

TEST_P(SimCommands, TeachRowWriteIsEchoedWholeAndReadBack)
{
    sim::Frame req = request(kCmdWriteRow, {30, 1, 2, 3, 4, 5, 6, 0x1234, 0x5678, 9});
    EXPECT_EQ(client->exchange(req), echoOf(req));
    sim::ParamSet ram = sensor->ram();
    EXPECT_EQ(ram.teach[30], (sim::TeachRow{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ram.teach[0], sim::defaultParamSet().teach[0]);

    Bytes row = client->exchange(request(kCmdReadRow, {30}));
    const Bytes expected = {0x00, 0xAA, 0x00, 0x04, 0x00, 0x1E, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6,
                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(row, expected);
}

TEST_P(SimCommands, RowsOutsideTheTableAndMalformedRequestsGetNoReply)
{
    sim::Frame badSync = request(kCmdWriteParams, {1});
    sim::setFrameWord(badSync, 0, 0x0056);
    const sim::Frame silent[] = {
        request(kCmdReadRow, {31}),
        request(kCmdWriteRow, {31, 7, 7, 7, 7, 7, 7}),
        request(kCmdWriteRow, {0xFFFF}),
        badSync,
        request(0),
        request(9),
        request(51),
    };
    for (const sim::Frame &f : silent)
        client->send(f);
    EXPECT_EQ(client->exchange(request(kCmdIdentify)), idReply());
    EXPECT_EQ(sensor->ram(), sim::defaultParamSet());
}

TEST_P(SimCommands, StoreCopiesRamIntoEeprom)
{
    sim::Frame write = request(kCmdWriteParams, {500, 3, 8});
    client->exchange(write);
    sim::Frame store = request(kCmdStoreEeprom, {0xABCD});
    EXPECT_EQ(client->exchange(store), echoOf(store));
    EXPECT_EQ(sensor->eeprom(), sensor->ram());
    EXPECT_EQ(sensor->eeprom().params[sim::kSlotPower], 500);
}

TEST_P(SimCommands, ReadsAfterCommandEightComeFromEepromUntilTheLastRow)
{
    sim::ParamSet ram = sim::defaultParamSet();
    ram.params[sim::kSlotPower] = 111;
    ram.teach[0][0] = 111;
    ram.teach[30][5] = 111;
    sensor->setRam(ram);
    const uint16_t eepromPower = sim::defaultParamSet().params[sim::kSlotPower];

    sim::Frame eight = request(kCmdEepromReads);
    EXPECT_EQ(client->exchange(eight), echoOf(eight));
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 2), eepromPower);
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadRow, {0})), 3), 1460);
    for (uint16_t r = 1; r < 30; ++r)
        client->exchange(request(kCmdReadRow, {r}));
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadRow, {30})), 8), 0);
    // The EEPROM read is over: RAM again.
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadRow, {30})), 8), 111);
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 2), 111);
}

TEST_P(SimCommands, EepromReadsEndAtAnyOtherCommandOrASecondParameterRead)
{
    sensor->setRam([] {
        sim::ParamSet s = sim::defaultParamSet();
        s.params[sim::kSlotPower] = 111;
        return s;
    }());
    client->exchange(request(kCmdEepromReads));
    client->exchange(request(kCmdDataFrame));
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 2), 111);

    client->exchange(request(kCmdEepromReads));
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 2), 800);
    EXPECT_EQ(wordAt(client->exchange(request(kCmdReadParams)), 2), 111);
}

TEST_P(SimCommands, FramesEndByLengthNotBySilence)
{
    sim::Frame id = request(kCmdIdentify);
    client->sendBytes(id.data(), 10);
    EXPECT_TRUE(client->read(1, kSilenceMs).empty());
    client->sendBytes(id.data() + 10, 26);
    EXPECT_EQ(client->read(36, kReplyWaitMs), idReply());

    // Two frames and the first byte of a third in one write.
    Bytes burst = bytesOf(request(kCmdReadParams));
    Bytes second = bytesOf(id);
    burst.insert(burst.end(), second.begin(), second.end());
    burst.push_back(id[0]);
    client->sendBytes(burst.data(), burst.size());
    Bytes replies = client->read(72, kReplyWaitMs);
    ASSERT_EQ(replies.size(), 72u);
    EXPECT_EQ(wordAt(replies, 1), kCmdReadParams);
    EXPECT_EQ(Bytes(replies.begin() + 36, replies.end()), idReply());
    client->sendBytes(id.data() + 1, 35);
    EXPECT_EQ(client->read(36, kReplyWaitMs), idReply());
}

TEST_P(SimCommands, DataFrameCarriesTheMeasurement)
{
    sensor->setFixedTarget(sim::Intensities{900, 2700, 900});
    Bytes f = client->exchange(request(kCmdDataFrame, {1, 2, 3}));
    ASSERT_EQ(f.size(), 36u);
    EXPECT_EQ(wordAt(f, 0), sim::kReplyMarker);
    EXPECT_EQ(wordAt(f, 1), kCmdDataFrame);
    EXPECT_EQ(wordAt(f, 2), 900);
    EXPECT_EQ(wordAt(f, 3), 2700);
    EXPECT_EQ(wordAt(f, 4), 900);
    EXPECT_EQ(wordAt(f, 5), 1500);   // density
    EXPECT_EQ(wordAt(f, 6), 500);    // symmetric left and right
    EXPECT_EQ(wordAt(f, 7), 750);
    EXPECT_EQ(wordAt(f, 8), 0);      // default row 0: object centred
    EXPECT_GE(wordAt(f, 9), 25);
    EXPECT_LE(wordAt(f, 9), 40);
    EXPECT_GE(wordAt(f, 11), 2700);  // 60 s maximum of the centre
    EXPECT_LE(wordAt(f, 13), 1);
    EXPECT_TRUE(std::all_of(f.begin() + 28, f.end(), [](uint8_t b) { return b == 0; }));
}

TEST_P(SimCommands, VectorFollowsTheTaughtRowsAndTheIntensityLimit)
{
    sensor->setFixedTarget(sim::Intensities{300, 600, 2500});
    Bytes f = client->exchange(request(kCmdDataFrame));
    ASSERT_EQ(wordAt(f, 8), sim::kNoVector);
    uint16_t density = wordAt(f, 5), sym1 = wordAt(f, 6), sym2 = wordAt(f, 7);

    client->exchange(request(kCmdWriteRow, {3, density, 10, sym1, 10, sym2, 10}));
    EXPECT_EQ(wordAt(client->exchange(request(kCmdDataFrame)), 8), 3);

    // Intensity limit above the density: no evaluation.
    client->exchange(request(kCmdWriteParams, {800, 3, 4, 0, 10, uint16_t(density + 1), 4, 1}));
    EXPECT_EQ(wordAt(client->exchange(request(kCmdDataFrame)), 8), sim::kNoVector);
    // Row 3 no longer checked.
    client->exchange(request(kCmdWriteParams, {800, 3, 4, 0, 10, 100, 3, 1}));
    EXPECT_EQ(wordAt(client->exchange(request(kCmdDataFrame)), 8), sim::kNoVector);
}

TEST_P(SimCommands, AutomaticSendingFollowsTheTriggerAndStillAnswers)
{
    sensor->setTriggerPeriodMs(40);
    client->send(request(kCmdAutoSend, {1}));
    for (int i = 0; i < 3; ++i) {
        Bytes f = client->read(36, kReplyWaitMs);
        ASSERT_EQ(f.size(), 36u);
        EXPECT_EQ(wordAt(f, 0), sim::kReplyMarker);
        EXPECT_EQ(wordAt(f, 1), kCmdDataFrame);
        EXPECT_EQ(wordAt(f, 13), 1);   // sent on the rising edge of IN0
    }
    EXPECT_TRUE(sensor->autoSending());

    // Requests are still answered, between whole frames.
    client->send(request(kCmdIdentify));
    bool answered = false;
    for (int i = 0; i < 20 && !answered; ++i)
        answered = client->read(36, kReplyWaitMs) == idReply();
    EXPECT_TRUE(answered);

    client->send(request(kCmdAutoSend, {0}));
    client->send(request(kCmdIdentify));
    answered = false;
    for (int i = 0; i < 20 && !answered; ++i)
        answered = client->read(36, kReplyWaitMs) == idReply();
    EXPECT_TRUE(answered);
    EXPECT_FALSE(sensor->autoSending());
    EXPECT_TRUE(client->read(1, 3 * 40).empty());
}

TEST_P(SimCommands, FrameLogKeepsEveryRequestExactly)
{
    sensor->clearFrameLog();
    sim::Frame a = request(kCmdReadRow, {7});
    sim::Frame b = request(0x1234, {0xFFFF});   // unknown, still logged
    client->send(a);
    client->send(b);
    ASSERT_TRUE(sensor->waitForFrames(2, kReplyWaitMs));
    EXPECT_EQ(sensor->receivedFrames(), (std::vector<sim::Frame>{a, b}));
    EXPECT_EQ(sensor->receivedCommands(), (std::vector<uint16_t>{kCmdReadRow, 0x1234}));
    sensor->clearFrameLog();
    EXPECT_TRUE(sensor->receivedFrames().empty());
}

INSTANTIATE_TEST_SUITE_P(Links, SimCommands, ::testing::Values(Link::Tcp, Link::Pty), linkName);

} // namespace
