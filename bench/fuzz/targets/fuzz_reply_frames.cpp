// Fuzz target: the reply-frame decoders. The input picks the request, gives
// the 36 bytes of its reply and then a byte stream as a triggered recording
// receives it, in pieces. The reply is checked, decoded and described as the
// transfers, the polling loop and the link log do; the stream is cut into
// frames. Nothing may be written past the decoded images or a text buffer,
// every frame taken out of the stream must be a data frame, and nothing may
// stay undecided once the stream has ended.
#include <algorithm>
#include <cstring>

#include "com232/conversions.h"
#include "com232/frame.h"
#include "com232/frame_stream.h"
#include "com232/frame_text.h"
#include "fuzz_support.h"

using namespace orvelle;

namespace {

constexpr word kRequests[] = {kCmdWritePara, kCmdWriteRow,    kCmdReadPara,    kCmdReadRow,
                              kCmdReadData,  kCmdStoreEeprom, kCmdIdentify,    kCmdSelectEeprom,
                              kCmdAutoSend};
constexpr word kGuard = 0xA55A;
constexpr std::size_t kTextBytes = 200;
constexpr char kCanary = '\x7E';

void CheckReply(word command, word row, const char *reply)
{
    FillTxBuf(command, row, 0, 0);
    std::memcpy(szReadBuf, reply, kFrameBytes);
    std::fill(pp + anzpara, pp + kPpWords, kGuard);
    if (ReplyAnswers(szReadBuf, command)) {
        if (command == kCmdReadData) {
            GetRxBufData();
            CopyDatatoVars();
            FUZZ_CHECK(dataChL == FrameWord(reply, 2) && dataTrigger == FrameWord(reply, 13));
        } else {
            GetRxBufPara();
            CopyPPtoVars();
        }
    }
    FUZZ_CHECK(paraMaxNr <= anzVec);
    FUZZ_CHECK(std::all_of(pp + anzpara, pp + kPpWords, [](word w) { return w == kGuard; }));

    const int k = EchoMismatch(szWriteBuf, reply, kFrameWords);
    FUZZ_CHECK(k >= -1 && k < kFrameBytes);
    // Every text into a buffer of every size up to kTextBytes stays inside it.
    char text[kTextBytes + 1];
    for (std::size_t size : {std::size_t{1}, std::size_t{7}, std::size_t{40}, kTextBytes}) {
        std::memset(text, kCanary, sizeof text);
        DescribeReply(szWriteBuf, reply, text, size);
        FUZZ_CHECK(std::memchr(text, 0, size) != nullptr && text[size] == kCanary);
        std::memset(text, kCanary, sizeof text);
        DescribeRequest(szWriteBuf, text, size);
        FUZZ_CHECK(std::memchr(text, 0, size) != nullptr && text[size] == kCanary);
        std::memset(text, kCanary, sizeof text);
        HexWords(reply, kFrameBytes, text, size);
        FUZZ_CHECK(std::memchr(text, 0, size) != nullptr && text[size] == kCanary);
    }
}

// Takes every frame the stream can decide with the line in state line; a
// frame taken is always a data frame.
void TakeAll(int line, int *dropRun)
{
    char frame[kFrameBytes];
    char why[kTextBytes];
    int step = kStreamWait;
    while ((step = TakeFrame(szStreamBuf, &streamLen, line, dropRun, frame, why, sizeof why)) !=
           kStreamWait) {
        if (step == kStreamFrame)
            FUZZ_CHECK(FrameWord(frame, 0) == kReplyMarker && FrameWord(frame, 1) == kCmdReadData);
        else
            FUZZ_CHECK(std::memchr(why, 0, sizeof why) != nullptr && why[0] != '\0');
    }
}

// Feeds the stream in pieces of 1 to 64 bytes, as much as the buffer has
// room for, a pause after every third, and takes out what each allows; at
// the end nothing may stay undecided.
void CheckStream(const uint8_t *data, size_t size)
{
    streamLen = 0;
    int dropRun = 0;
    std::size_t at = 0;
    for (int piece = 0; at < size; ++piece) {
        const std::size_t want = std::min<std::size_t>(size - at, 1 + (piece * 37) % 64);
        const std::size_t room = static_cast<std::size_t>(kLinkBufBytes - streamLen);
        const std::size_t take = std::min(want, room);
        std::memcpy(szStreamBuf + streamLen, data + at, take);
        streamLen += static_cast<int>(take);
        at += want;  // what did not fit is lost, as in a full queue
        TakeAll(piece % 3 == 2 ? kLineQuiet : kLineBusy, &dropRun);
        FUZZ_CHECK(streamLen >= 0 && streamLen < kFrameBytes + 4);
    }
    TakeAll(kLineEnded, &dropRun);
    FUZZ_CHECK(streamLen == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    orvfuzz::Setup();
    if (size < 2 + kFrameBytes)
        return 0;
    const word command = kRequests[data[0] % std::size(kRequests)];
    const word row = data[1];
    char reply[kFrameBytes];
    std::memcpy(reply, data + 2, kFrameBytes);
    CheckReply(command, row, reply);
    CheckStream(data + 2 + kFrameBytes, size - 2 - kFrameBytes);
    return 0;
}
