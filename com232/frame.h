// Building request frames and decoding replies. Every word on the link is
// sent most significant byte first.
#pragma once

#include "app/state.h"

namespace orvelle {

// Command codes.
constexpr word kCmdWritePara = 1;
constexpr word kCmdWriteRow = 2;
constexpr word kCmdReadPara = 3;
constexpr word kCmdReadRow = 4;
constexpr word kCmdReadData = 5;
constexpr word kCmdStoreEeprom = 6;
constexpr word kCmdIdentify = 7;
constexpr word kCmdSelectEeprom = 8;
constexpr word kCmdAutoSend = 50;
constexpr word kReplyMarker = 0x00AA;

// Builds a request in szWriteBuf: word 0 sync, word 1 the command. Command 2
// carries the row number and the row's six words from the set image in pp;
// commands 4 and 50 carry `row` in word 2; every other command carries pp
// words 0..15 in words 2..17. Words not named keep the previous frame's.
void FillTxBuf(word command, word row, int unused1, int unused2);
// Decodes the 18 words of szReadBuf into pp words 0..17.
void GetRxBufPara();
// Decodes the 18 words of szReadBuf into databuf.
void GetRxBufData();
// Word i of a 36-byte frame.
word FrameWord(const char *frame, int i);
// Whether a 36-byte reply answers `command`: the reply marker in word 0 and
// the command in word 1. Anything else is a stray frame or garbage.
bool ReplyAnswers(const char *frame, word command);

}  // namespace orvelle
