#include "com232/reply_check.h"

#include <cstdio>

#include "com232/frame.h"
#include "com232/frame_text.h"

namespace orvelle {

namespace {

constexpr int kAskedBytes = 48;

// What the reply should have been, as the reason names it.
void Expected(word command, word row, char *text, std::size_t size)
{
    switch (command) {
    case kCmdReadData: std::snprintf(text, size, "data frame"); break;
    case kCmdReadPara: std::snprintf(text, size, "parameters"); break;
    case kCmdReadRow: std::snprintf(text, size, "row %u", row); break;
    default: std::snprintf(text, size, "reply to command %u", command); break;
    }
}

}  // namespace

int CheckReadReply(const char *request, const char *reply, char *why, std::size_t size)
{
    const word command = FrameWord(request, 1);
    const word marker = FrameWord(reply, 0);
    if (marker != kReplyMarker) {
        char asked[kAskedBytes];
        DescribeRequest(request, asked, sizeof asked);
        std::snprintf(why, size, "wrong marker 0x%04X in the reply to %s", marker, asked);
        return kReplyWrongMarker;
    }
    const word answered = FrameWord(reply, 1);
    if (answered != command) {
        char expected[kAskedBytes];
        Expected(command, FrameWord(request, 2), expected, sizeof expected);
        std::snprintf(why, size, "%s expected, reply has command %u", expected, answered);
        return kReplyWrongCommand;
    }
    if (command == kCmdReadRow && FrameWord(reply, 2) != FrameWord(request, 2)) {
        std::snprintf(why, size, "reply names row %u, expected row %u", FrameWord(reply, 2),
                      FrameWord(request, 2));
        return kReplyWrongRow;
    }
    if (size > 0)
        why[0] = '\0';
    return kReplyAnswers;
}

}  // namespace orvelle
