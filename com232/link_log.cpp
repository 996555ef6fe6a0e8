#include "com232/link_log.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/state.h"
#include "com232/frame.h"
#include "com232/frame_text.h"

namespace orvelle {

namespace {

constexpr int kHexBytes = 18 * 5;       // 18 words and their gaps
constexpr int kMeaningBytes = 80;
constexpr int kStampBytes = 16;         // "HH:MM:SS.mmm"
constexpr int kMsPerS = 1000;

char ring[kLinkLogLines][kLinkLogLineBytes];  // the last lines, oldest overwritten
unsigned long long written = 0;               // lines written since start

// Wall-clock time with milliseconds.
void Stamp(char (&text)[kStampBytes])
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(now);
    const int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % kMsPerS);
    std::tm local {};
    localtime_r(&secs, &local);
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min,
                  local.tm_sec, ms);
}

// Writes the next line of the ring: time, direction, hex, meaning.
void Put(char direction, const char *bytes, int count, const char *meaning)
{
    char stamp[kStampBytes];
    Stamp(stamp);
    char hex[kHexBytes];
    HexWords(bytes, count, hex, sizeof hex);
    char *line = ring[written % kLinkLogLines];
    std::snprintf(line, kLinkLogLineBytes, "%s  %c  %-89s  %s", stamp, direction, hex, meaning);
    ++written;
}

bool IsEchoCommand(word command)
{
    return command == kCmdWritePara || command == kCmdWriteRow || command == kCmdStoreEeprom ||
           command == kCmdSelectEeprom;
}

int EchoWordsOf(word command)
{
    return command == kCmdWritePara ? kFrameWords : command == kCmdWriteRow ? 6 : 2;
}

}  // namespace

void LogRequest()
{
    ++linkRequests;
    if (!linkLogOpen)
        return;
    char meaning[kMeaningBytes];
    DescribeRequest(szWriteBuf, meaning, sizeof meaning);
    Put('>', szWriteBuf, kFrameBytes, meaning);
}

void LogReply(double limitS)
{
    const word command = FrameWord(szWriteBuf, 1);
    if (bytesToRead != 0) {
        ++linkTimeouts;
        if (!linkLogOpen)
            return;
        // What came: the serial queue's count, or what TCP received.
        int got = comprotocol == 0 ? dataSize : dataSize - bytesToRead;
        char meaning[kMeaningBytes];
        if (got > kFrameBytes)
            std::snprintf(meaning, sizeof meaning, "%d bytes, not %d", got, kFrameBytes);
        else if (got < 0)
            std::snprintf(meaning, sizeof meaning, "link gone");
        else
            std::snprintf(meaning, sizeof meaning, "time-out after %.1f s (%d of %d bytes)",
                          limitS, got, kFrameBytes);
        if (got < 0)
            got = 0;
        Put('<', szReadBuf, got < kFrameBytes ? got : kFrameBytes, meaning);
        return;
    }
    ++linkReplies;
    if (IsEchoCommand(command) && EchoMismatch(szWriteBuf, szReadBuf, EchoWordsOf(command)) >= 0)
        ++linkEchoErrors;
    if (!linkLogOpen)
        return;
    char meaning[kMeaningBytes];
    DescribeReply(szWriteBuf, szReadBuf, meaning, sizeof meaning);
    Put('<', szReadBuf, kFrameBytes, meaning);
}

void LogStreamFrame(const char *frame)
{
    ++linkReplies;
    if (!linkLogOpen)
        return;
    const word marker = FrameWord(frame, 0);
    char meaning[kMeaningBytes];
    if (marker == kReplyMarker)
        std::snprintf(meaning, sizeof meaning, "data frame, sent by itself");
    else
        std::snprintf(meaning, sizeof meaning, "wrong marker 0x%04X", marker);
    Put('<', frame, kFrameBytes, meaning);
}

void LogNote(const char *text)
{
    if (!linkLogOpen)
        return;
    Put('!', "", 0, text);
}

unsigned long long LinkLogCount()
{
    return written;
}

const char *LinkLogLine(unsigned long long n)
{
    if (n >= written || written - n > kLinkLogLines)
        return "";
    return ring[n % kLinkLogLines];
}

void ClearLinkLog()
{
    written = 0;
}

}  // namespace orvelle
