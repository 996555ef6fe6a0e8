#include "com232/frame_text.h"

#include <cstdio>
#include <cstring>

#include "com232/frame.h"

namespace orvelle {

namespace {

constexpr int kEchoWordsPara = 18;
constexpr int kEchoWordsRow = 6;
constexpr int kEchoWordsCommand = 2;
constexpr unsigned char kMarkerHi = kReplyMarker >> 8;
constexpr unsigned char kMarkerLo = kReplyMarker & 0xFF;

unsigned char Byte(const char *frame, int i)
{
    return static_cast<unsigned char>(frame[i]);
}

// Words of the echo that the program compares, 0 for commands without one.
int EchoWords(word command)
{
    switch (command) {
    case kCmdWritePara: return kEchoWordsPara;
    case kCmdWriteRow: return kEchoWordsRow;
    case kCmdStoreEeprom:
    case kCmdSelectEeprom: return kEchoWordsCommand;
    default: return 0;
    }
}

}  // namespace

void DescribeRequest(const char *request, char *text, std::size_t size)
{
    const word command = FrameWord(request, 1);
    const word arg = FrameWord(request, 2);
    switch (command) {
    case kCmdWritePara: std::snprintf(text, size, "write parameters"); break;
    case kCmdWriteRow: std::snprintf(text, size, "write row %u", arg); break;
    case kCmdReadPara: std::snprintf(text, size, "read parameters"); break;
    case kCmdReadRow: std::snprintf(text, size, "read row %u", arg); break;
    case kCmdReadData: std::snprintf(text, size, "read data frame"); break;
    case kCmdStoreEeprom: std::snprintf(text, size, "store in EEPROM"); break;
    case kCmdIdentify: std::snprintf(text, size, "read identification"); break;
    case kCmdSelectEeprom: std::snprintf(text, size, "select EEPROM"); break;
    case kCmdAutoSend:
        std::snprintf(text, size, "automatic sending %s", arg ? "on" : "off");
        break;
    default: std::snprintf(text, size, "command %u", command); break;
    }
}

int EchoMismatch(const char *request, const char *reply, int words)
{
    if (Byte(reply, 0) != kMarkerHi)
        return 0;
    if (Byte(reply, 1) != kMarkerLo)
        return 1;
    for (int k = 2; k < 2 * words && k < kFrameBytes; ++k)
        if (reply[k] != request[k])
            return k;
    return -1;
}

void DescribeReply(const char *request, const char *reply, char *text, std::size_t size)
{
    const word command = FrameWord(request, 1);
    if (command == kCmdIdentify) {
        // Text up to its first zero byte, at most the whole frame.
        char id[kFrameBytes + 1];
        std::memcpy(id, reply, kFrameBytes);
        id[kFrameBytes] = '\0';
        for (char *c = id; *c; ++c)
            if (static_cast<unsigned char>(*c) < 0x20)
                *c = '.';
        std::snprintf(text, size, "identification \"%s\"", id);
        return;
    }
    const word marker = FrameWord(reply, 0);
    if (marker != kReplyMarker) {
        std::snprintf(text, size, "wrong marker 0x%04X", marker);
        return;
    }
    if (const int words = EchoWords(command)) {
        const int k = EchoMismatch(request, reply, words);
        if (k < 0)
            std::snprintf(text, size, "echo ok");
        else
            std::snprintf(text, size, "wrong echo at byte %d", k);
        return;
    }
    const word answered = FrameWord(reply, 1);
    if (answered != command) {
        std::snprintf(text, size, "reply to command %u", answered);
        return;
    }
    switch (command) {
    case kCmdReadPara: std::snprintf(text, size, "parameters"); break;
    case kCmdReadRow: std::snprintf(text, size, "row %u", FrameWord(reply, 2)); break;
    case kCmdReadData: std::snprintf(text, size, "data frame"); break;
    default: std::snprintf(text, size, "reply"); break;
    }
}

void HexWords(const char *bytes, int count, char *text, std::size_t size)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const bool gap = i > 0 && i % 2 == 0;
        if (at + (gap ? 3 : 2) >= size)
            break;
        if (gap)
            text[at++] = ' ';
        text[at++] = kDigits[Byte(bytes, i) >> 4];
        text[at++] = kDigits[Byte(bytes, i) & 0x0F];
    }
    if (size > 0)
        text[at] = '\0';
}

}  // namespace orvelle
