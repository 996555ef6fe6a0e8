#include "com232/set_transfer.h"

#include <cstdio>
#include <cstring>

#include "com232/conversions.h"
#include "com232/frame.h"
#include "com232/link_reason.h"
#include "com232/reply_check.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "platform/events/events.h"

namespace orvelle {

namespace {
constexpr int kEchoWordsPara = 18;
constexpr int kEchoWordsRow = 6;
constexpr int kEchoWordsCommand = 2;
constexpr int kWhereBytes = 32;  // "read row 30"

void SendCommand(word command, word row)
{
    order = command;
    FillTxBuf(command, row, 0, 0);
    SendFrame(kTcpWriteTimeoutMs);
}

// A read ends after the exchange in flight once the program is ending; it
// counts as failed, so nothing takes the rows read so far for a whole set.
bool ReadCut(const char *where)
{
    if (!quitting)
        return false;
    if (comecho == 1) {
        char why[kReasonBytes];
        std::snprintf(why, sizeof why, "read stopped after %s: the program is closing", where);
        NoteFailure(why);
        comecho = 0;
    }
    return true;
}

void WriteParaFrames(int toEeprom)
{
    FlushQueues();
    SendCommand(kCmdWritePara, 0);
    CheckEcho(kEchoWordsPara);
    if (comecho == 0)
        return;
    for (word r = 0; r < anzVec; ++r) {
        ProcessSystemEvents();
        SendCommand(kCmdWriteRow, r);
        CheckEcho(kEchoWordsRow);
        if (comecho == 0)
            return;
    }
    if (toEeprom) {
        SendCommand(kCmdStoreEeprom, 0);
        CheckEcho(kEchoWordsCommand);
    }
}

}  // namespace

void CheckEcho(int words)
{
    ArmReply();
    WaitReply(linkReplyLimitS);
    if (bytesToRead != 0) {
        SetPopupTimeout();
        return;
    }
    comecho = 1;
    if (szReadBuf[0] != 0x00 || static_cast<unsigned char>(szReadBuf[1]) != 0xAA)
        comecho = 0;
    for (int k = 2; k < 2 * words; ++k)
        if (szReadBuf[k] != szWriteBuf[k])
            comecho = 0;
    if (comecho == 0) {
        NoteEchoFailure(words);
        SetPopupTimeout();
    }
}

void Befehl3plus4(word *image)
{
    FlushQueues();
    ArmReply();
    SendFrame(kTcpWriteTimeoutMs);
    WaitReply(linkReplyLimitS);
    if (bytesToRead != 0) {
        SetPopupTimeout();
        return;
    }
    GetRxBufPara();
    // A reply that answers another command (a stray frame, a late echo,
    // garbage) fails the read; taken as good it would end up in the set.
    // A row reply goes to the row it names. Naming another row than the one
    // asked for shows replies running behind requests: every later reply
    // would come one late and the last row never, so the read fails there.
    char why[kReasonBytes];
    const int check = CheckReadReply(szWriteBuf, szReadBuf, why, sizeof why);
    if (check == kReplyAnswers || check == kReplyWrongRow)
        ReplyIntoImage(pp, image);
    if (check != kReplyAnswers) {
        NoteFailure(why);
        SetPopupTimeout();
    }
}

int ReadParaSet(int fromEeprom, word *image)
{
    poll = 0;
    comecho = 1;
    FlushQueues();
    if (fromEeprom) {
        SendCommand(kCmdSelectEeprom, 0);
        CheckEcho(kEchoWordsCommand);
        if (comecho == 0 || ReadCut("select EEPROM"))
            return -1;
    }
    order = kCmdReadPara;
    FillTxBuf(order, 0, 0, 0);
    Befehl3plus4(image);
    if (ReadCut("read parameters"))
        return -1;
    for (word r = 0; r < anzVec; ++r) {
        order = kCmdReadRow;
        FillTxBuf(order, r, 0, 0);
        Befehl3plus4(image);
        if (comecho == 0)
            return -1;
        char where[kWhereBytes];
        std::snprintf(where, sizeof where, "read row %u", r);
        if (r + 1 < anzVec && ReadCut(where))
            return -1;
    }
    return comecho == 1 ? 0 : -1;
}

int WriteParaSet(const word *image, int toEeprom)
{
    // A write is never cut short, not even by the end of the program: the
    // sensor would keep a mixed set.
    writing = 1;
    poll = 0;
    if (image != pp)
        std::memcpy(pp, image, sizeof(word) * kSetWords);
    WriteParaFrames(toEeprom);
    writing = 0;
    return comecho == 1 ? 0 : -1;
}

}  // namespace orvelle
