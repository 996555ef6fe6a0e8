// Parameter writes and reads against the simulator: exact bytes, the echo
// rules and the faults of a real link.
#include <QComboBox>

#include "gui/link_test.h"
#include "gui/param_transfer.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::Commands;
using orvtest::DataRequests;
using orvtest::ProgramTest;

namespace {

class Transfer : public ProgramTest {
protected:
    void Connect()
    {
        StartSensorTcp();
        OpenProgram();
        ASSERT_EQ(comecho, 1) << "start-up did not connect";
        sensor_->clearFrameLog();
        uitest::ClearPopupLog();
    }
    void Press(int control) { uitest::InjectEvent(mainpanel, control, EVENT_COMMIT); }
    void Select(int control) { uitest::OperatorSetValue(mainpanel, control, 1.0); }
};

TEST_F(Transfer, RamWriteIsCommandOneThenEveryRowAndNoStore)
{
    Connect();
    SetCtrlVal(parapanel, PARAP_SlidePower, static_cast<unsigned short>(1000));
    Press(MAINP_ButtonSend);
    const auto frames = sensor_->receivedFrames();
    const auto cmds = Commands(frames);
    ASSERT_EQ(cmds.size(), 32u);
    const uint8_t head[] = {0x00, 0x55, 0x00, 0x01, 0x03, 0xE8};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(frames[0][i], head[i]) << "byte " << i;
    for (int r = 0; r < 31; ++r) {
        EXPECT_EQ(cmds[1 + r], 2);
        EXPECT_EQ(sim::frameWord(frames[1 + r], 2), r);
    }
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(sensor_->ram().params[0], 1000);
    EXPECT_NE(sensor_->eeprom().params[0], 1000);
}

TEST_F(Transfer, EepromWriteAddsStoreAndEepromReadStartsWithSelect)
{
    Connect();
    Select(MAINP_SelectEEPROM);
    EXPECT_EQ(target, EEPROM);
    SetCtrlVal(parapanel, PARAP_EditAverage, static_cast<unsigned short>(33));
    Press(MAINP_ButtonSend);
    auto cmds = Commands(sensor_->receivedFrames());
    ASSERT_EQ(cmds.size(), 33u);
    EXPECT_EQ(cmds.back(), 6);
    EXPECT_EQ(sensor_->eeprom().params[2], 33);

    sensor_->clearFrameLog();
    Press(MAINP_ButtonGet);
    cmds = Commands(sensor_->receivedFrames());
    ASSERT_EQ(cmds.size(), 33u);
    EXPECT_EQ(cmds[0], 8);
    EXPECT_EQ(cmds[1], 3);
    EXPECT_EQ(comecho, 1);
}

TEST_F(Transfer, WriteThenReadLeavesEveryControlAndCell)
{
    Connect();
    const unsigned short values[] = {640, 2, 77, 1, 123, 456, 5, 1, 2, 0};
    const int ctrls[] = {PARAP_SlidePower, PARAP_EditChannelMode, PARAP_EditAverage,
                         PARAP_Evalmode, PARAP_EditHold, PARAP_EditIntlim, PARAP_EditMaxNo,
                         PARAP_EditOutmode, PARAP_EditTrigger, PARAP_ExternTeach};
    for (int i = 0; i < 10; ++i)
        SetCtrlVal(parapanel, ctrls[i], values[i]);
    for (int r = 1; r <= 31; ++r)
        for (int c = 1; c <= 6; ++c)
            SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(c, r),
                            static_cast<unsigned short>(r * 100 + c));
    Press(MAINP_ButtonSend);
    ASSERT_EQ(comecho, 1);
    // Scramble the panels, then read back.
    for (int i = 0; i < 10; ++i)
        SetCtrlVal(parapanel, ctrls[i], static_cast<unsigned short>(0));
    for (int r = 1; r <= 31; ++r)
        for (int c = 1; c <= 6; ++c)
            SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(c, r), static_cast<unsigned short>(9));
    Press(MAINP_ButtonGet);
    ASSERT_EQ(comecho, 1);
    for (int i = 0; i < 10; ++i) {
        unsigned short v = 0;
        GetCtrlVal(parapanel, ctrls[i], &v);
        EXPECT_EQ(v, values[i]) << "control " << i;
    }
    for (int r = 1; r <= 31; ++r)
        for (int c = 1; c <= 6; ++c) {
            unsigned short v = 0;
            GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(c, r), &v);
            ASSERT_EQ(v, r * 100 + c);
        }
}

// What the sensor holds survives the panels: every parameter outside the
// panel's ranges and ring items, read (F10) and written back (F9) unchanged.
TEST_F(Transfer, ASetBeyondThePanelsRangesAndItemsGoesBackByteForByte)
{
    Connect();
    sim::ParamSet set;
    set.params = {1200, 0, 0, 2, 2000, 5000, 31, 7, 3, 2, 11, 12, 13, 14, 15, 65535};
    for (int r = 0; r < 31; ++r)
        set.teach[r] = {uint16_t(65535 - r), 0, uint16_t(40000 + r), uint16_t(r), 65534, 1};
    sensor_->setRam(set);
    Press(MAINP_ButtonGet);
    ASSERT_EQ(comecho, 1);
    EXPECT_EQ(static_cast<QComboBox *>(uitest::CtrlWidget(parapanel, PARAP_EditTrigger))
                  ->currentText()
                  .toStdString(),
              "(3)");

    sensor_->setRam(sim::defaultParamSet());
    sensor_->clearFrameLog();
    Press(MAINP_ButtonSend);
    ASSERT_EQ(comecho, 1);
    const auto frames = sensor_->receivedFrames();
    ASSERT_EQ(frames.size(), 32u);
    for (int s = 0; s < 16; ++s)
        EXPECT_EQ(sim::frameWord(frames[0], 2 + s), set.params[s]) << "slot " << s;
    for (int r = 0; r < 31; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(sim::frameWord(frames[1 + r], 3 + c), set.teach[r][c]) << r << "/" << c;
    EXPECT_TRUE(sensor_->ram() == set);
}

TEST_F(Transfer, FortyByteReplyIsATimeoutOverTcp)
{
    Connect();
    sim::FaultConfig f;
    f.replyLength.on = true;
    f.replyBytes = 40;
    sensor_->setFaults(f);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(IsPanelVisible(interfacepanel), 1);
    // The extra bytes do not shift the next exchange: a new set arrives
    // whole, its last row included.
    sensor_->clearFaults();
    sim::ParamSet set = sensor_->ram();
    set.params[0] = static_cast<uint16_t>(paraPower + 1);
    set.teach[30][5] = static_cast<uint16_t>(paraTeachVec[30][5] + 1);
    sensor_->setRam(set);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(paraPower, set.params[0]);
    EXPECT_EQ(paraTeachVec[30][5], set.teach[30][5]);
}

TEST_F(Transfer, FortyByteReplyIsATimeoutOverPty)
{
    StartSensorPty();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    sim::FaultConfig f;
    f.replyLength.on = true;
    f.replyBytes = 40;
    sensor_->setFaults(f);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(Status(), "TIMEOUT");
}

TEST_F(Transfer, ShortReplyIsATimeout)
{
    Connect();
    sim::FaultConfig f;
    f.replyLength.on = true;
    f.replyBytes = 20;
    f.replyLength.command = 4;
    sensor_->setFaults(f);
    const double start = Timer();
    Press(MAINP_ButtonGet);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_GE(Timer() - start, kReplyLimitS - 0.1);
    EXPECT_EQ(Commands(sensor_->receivedFrames()), (std::vector<int>{3, 4}));
}

TEST_F(Transfer, WrongEchoByteOneFailsTheWrite)
{
    Connect();
    sim::FaultConfig f;
    f.wrongEcho.on = true;  // byte 1 becomes 0x55
    sensor_->setFaults(f);
    Press(MAINP_ButtonSend);
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(Commands(sensor_->receivedFrames()).size(), 1u);  // no row follows
}

// One echo byte changed at a time, over every byte each write command
// compares (all 36 of command 1, 0 to 11 of a row, 0 to 3 of the EEPROM
// store and select) and the first byte past them: a changed byte fails the
// transfer at that exchange, one outside the compared range does not.
TEST_F(Transfer, EverySingleChangedEchoByteInTheComparedRangeFailsTheTransfer)
{
    Connect();
    Select(MAINP_SelectEEPROM);
    struct Case {
        int command, byte;
        bool accepted;
        std::size_t frames;  // requests sent until the transfer ended
    };
    std::vector<Case> cases;
    for (int k = 0; k < 36; ++k)
        cases.push_back({1, k, false, 1});
    for (int k = 0; k <= 12; ++k)
        cases.push_back({2, k, k == 12, k == 12 ? 33u : 2u});
    for (int k = 0; k <= 4; ++k) {
        cases.push_back({6, k, k == 4, 33});  // the store is the last request
        cases.push_back({8, k, k == 4, k == 4 ? 33u : 1u});
    }
    for (const Case &c : cases) {
        sim::FaultConfig f;
        f.wrongEcho = {true, c.command};
        f.echoFirst = f.echoLast = c.byte;
        f.echoValue = sim::kEchoInvert;
        sensor_->setFaults(f);
        sensor_->clearFrameLog();
        // The transfers themselves: the send button's pause after a write
        // would cost half a second a case.
        c.command == 8 ? GetPara() : SendPara();
        const std::size_t frames = Commands(sensor_->receivedFrames()).size();
        EXPECT_EQ(comecho, c.accepted ? 1 : 0) << "command " << c.command << " byte " << c.byte;
        EXPECT_EQ(frames, c.frames) << "command " << c.command << " byte " << c.byte;
    }
}

TEST_F(Transfer, RowEchoDifferingOnlyPastByteElevenIsAccepted)
{
    Connect();
    sim::FaultConfig f;
    f.wrongEcho.on = true;
    f.wrongEcho.command = 2;
    f.echoFirst = 12;
    f.echoLast = 35;
    f.echoValue = sim::kEchoInvert;
    sensor_->setFaults(f);
    Press(MAINP_ButtonSend);
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(Commands(sensor_->receivedFrames()).size(), 32u);

    // Byte 11 is compared.
    sensor_->clearFrameLog();
    f.echoFirst = 11;
    f.echoLast = 11;
    sensor_->setFaults(f);
    Press(MAINP_ButtonSend);
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(Commands(sensor_->receivedFrames()).size(), 2u);
}

TEST_F(Transfer, EepromReadWithoutSelectAnswerSendsNoRead)
{
    Connect();
    Select(MAINP_SelectEEPROM);
    sim::FaultConfig f;
    f.noReply.on = true;
    f.noReply.command = 8;
    sensor_->setFaults(f);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(Commands(sensor_->receivedFrames()), std::vector<int>{8});
    EXPECT_EQ(Status(), "TIMEOUT");
}

TEST_F(Transfer, TimeoutOnParameterReadIsFollowedByOneRowRequest)
{
    Connect();
    sim::FaultConfig f;
    f.noReply.on = true;
    f.noReply.command = 3;
    sensor_->setFaults(f);
    const unsigned short before = paraPower;
    sim::ParamSet set = sensor_->ram();
    set.params[0] = static_cast<uint16_t>(before + 1);
    sensor_->setRam(set);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(Commands(sensor_->receivedFrames()), (std::vector<int>{3, 4}));
    EXPECT_EQ(sim::frameWord(sensor_->receivedFrames()[1], 2), 0);
    EXPECT_EQ(paraPower, before);
}

// The reply to the row 0 request names row 1: row 1 takes it, and the read
// ends there as a time-out does, with the panels left as they were.
TEST_F(Transfer, RowReplyNamingAnotherRowUpdatesThatRowAndFailsTheRead)
{
    Connect();
    sim::ParamSet set = sensor_->ram();
    for (int r = 0; r < 31; ++r)
        set.teach[r] = {uint16_t(900 + r), 1, 2, 3, 4, 5};
    sensor_->setRam(set);
    const unsigned short row0 = paraTeachVec[0][0];
    sim::FaultConfig f;
    f.rowOffset = 1;
    sensor_->setFaults(f);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(Commands(sensor_->receivedFrames()), (std::vector<int>{3, 4}));
    EXPECT_EQ(paraTeachVec[1][0], 901);
    EXPECT_EQ(paraTeachVec[0][0], row0);
    EXPECT_EQ(Status(), "TIMEOUT");
    unsigned short cell = 0;
    GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(1, 2), &cell);
    EXPECT_NE(cell, 901);
}

// Replies that are not answers: a wrong marker on a row reply, a row reply
// where the parameter reply belongs. Either fails the read at once; the
// panels keep what they showed.
TEST_F(Transfer, ReplyWithAWrongMarkerOrCommandFailsTheRead)
{
    Connect();
    unsigned short shown = 0;
    GetCtrlVal(parapanel, PARAP_SlidePower, &shown);
    sim::ParamSet set = sensor_->ram();
    set.params[0] = static_cast<uint16_t>(shown + 1);
    sensor_->setRam(set);
    sim::FaultConfig f;
    f.wrongMarker = {true, 4};
    sensor_->setFaults(f);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(Commands(sensor_->receivedFrames()), (std::vector<int>{3, 4}));
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(Status(), "TIMEOUT");
    unsigned short power = 0;
    GetCtrlVal(parapanel, PARAP_SlidePower, &power);
    EXPECT_EQ(power, shown);

    // A late row reply arrives where the parameter reply is awaited.
    sensor_->clearFrameLog();
    set.params[0] = static_cast<uint16_t>(shown + 2);
    sensor_->setRam(set);
    f = {};
    f.lateEcho = {true, 3};
    f.delay = {true, sim::kAllCommands};
    f.delayMs = 40;
    sensor_->setFaults(f);
    const unsigned short powerBefore = paraPower;
    Press(MAINP_ButtonGet);
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(paraPower, powerBefore);  // the real reply, late, was never taken
    EXPECT_EQ(Commands(sensor_->receivedFrames()), (std::vector<int>{3, 4}));
}

// A late copy of the previous reply, with every reply held back a little so
// that each arrives after the next request went out: without a check every
// later reply would be taken one request late and row 30 never read.
TEST_F(Transfer, OneStrayFrameBeforeAReplyFailsTheRead)
{
    Connect();  // the start-up read left row 30's reply as the link's last
    unsigned short shown = 0;
    GetCtrlVal(parapanel, PARAP_SlidePower, &shown);
    sim::ParamSet set = sensor_->ram();
    set.params[0] = static_cast<uint16_t>(shown + 1);
    set.teach[30] = {30001, 30002, 30003, 30004, 30005, 30006};
    sensor_->setRam(set);
    sim::FaultConfig f;
    f.lateEcho = {true, 4};
    f.delay = {true, sim::kAllCommands};
    f.delayMs = 40;
    sensor_->setFaults(f);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(Status(), "TIMEOUT");
    unsigned short power = 0;
    GetCtrlVal(parapanel, PARAP_SlidePower, &power);
    EXPECT_EQ(power, shown);  // the panels were not refreshed
    // Once the late reply to row 0 has come, the next read drops it and is
    // back in step.
    const uint64_t queued = sensor_->bytesQueued();
    ASSERT_TRUE(WaitUntil([&] { return sensor_->bytesSent() >= queued; }, 2.0));
    sensor_->clearFaults();
    Press(MAINP_ButtonGet);
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(paraPower, set.params[0]);
    EXPECT_EQ(paraTeachVec[30][0], 30001);
}

TEST_F(Transfer, UnsolicitedDataDoNotShiftTheNextReply)
{
    Connect();
    sim::FaultConfig f;
    f.unsolicitedMs = 30;
    sensor_->setFaults(f);
    // Unsolicited frames arrive while nothing is awaited; the last of them
    // may still be on its way when the request goes out.
    PauseProcessingEvents(0.3);
    sensor_->clearFaults();
    sim::ParamSet set = sensor_->ram();
    set.params[0] = static_cast<uint16_t>(paraPower + 1);
    set.teach[30][5] = static_cast<uint16_t>(paraTeachVec[30][5] + 1);
    sensor_->setRam(set);
    Press(MAINP_ButtonGet);
    EXPECT_EQ(comecho, 1);
    EXPECT_EQ(paraPower, set.params[0]);
    EXPECT_EQ(paraTeachVec[30][5], set.teach[30][5]);
}

TEST_F(Transfer, ServerClosingShowsTheMessageAndEndsInTimeout)
{
    Connect();
    sim::FaultConfig f;
    f.closeAfterFrames = 5;
    sensor_->setFaults(f);
    const double start = Timer();
    Press(MAINP_ButtonGet);
    EXPECT_TRUE(PopupShown("TCP Client", "Server has closed connection!"));
    EXPECT_EQ(tcpcon, 0);
    EXPECT_EQ(comecho, 0);
    EXPECT_EQ(Status(), "TIMEOUT");
    // The transfer ended at the dead link, not after one wait per remaining row.
    EXPECT_LT(Timer() - start, 2.0 * kReplyLimitS);
}

}  // namespace
