#include "com232/frame.h"

namespace orvelle {

namespace {

void PutWord(int i, word value)
{
    szWriteBuf[2 * i] = static_cast<char>(value >> 8);
    szWriteBuf[2 * i + 1] = static_cast<char>(value & 0xFF);
}

}  // namespace

word FrameWord(const char *frame, int i)
{
    const auto hi = static_cast<unsigned char>(frame[2 * i]);
    const auto lo = static_cast<unsigned char>(frame[2 * i + 1]);
    return static_cast<word>(hi * 256 + lo);
}

bool ReplyAnswers(const char *frame, word command)
{
    return FrameWord(frame, 0) == kReplyMarker && FrameWord(frame, 1) == command;
}

void FillTxBuf(word command, word row, int, int)
{
    PutWord(0, sync);
    PutWord(1, command);
    switch (command) {
    case kCmdWriteRow:
        if (row >= kVecCount)
            return;  // no such row in the set image; the words stay as they were
        PutWord(2, row);
        for (int c = 0; c < kVecWords; ++c)
            PutWord(3 + c, pp[kParaSlots + kVecWords * row + c]);
        break;
    case kCmdReadRow:
    case kCmdAutoSend:
        PutWord(2, row);
        break;
    default:
        for (int i = 0; i < kParaSlots; ++i)
            PutWord(2 + i, pp[i]);
        break;
    }
}

void GetRxBufPara()
{
    for (int i = 0; i < kFrameWords; ++i)
        pp[i] = FrameWord(szReadBuf, i);
}

void GetRxBufData()
{
    for (int i = 0; i < kFrameWords; ++i)
        databuf[i] = FrameWord(szReadBuf, i);
}

}  // namespace orvelle
