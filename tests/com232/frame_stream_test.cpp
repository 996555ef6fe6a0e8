// Frames taken out of a byte stream as a triggered recording receives it:
// several at once, in pieces, broken, after bytes that are not a frame.
// A frame is taken only at a boundary the stream proves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com232/frame.h"
#include "com232/frame_stream.h"

using namespace orvelle;

namespace {

// A data frame: marker, command 5, then words tag + 2, tag + 3, ...
std::string Frame(int tag, word marker = kReplyMarker)
{
    std::string f;
    auto put = [&f](int w) {
        f += static_cast<char>(w >> 8);
        f += static_cast<char>(w & 0xFF);
    };
    put(marker);
    put(kCmdReadData);
    for (int i = 2; i < kFrameWords; ++i)
        put(tag + i);
    return f;
}

// Bytes as they arrive, and what the line does after them.
struct Chunk {
    std::string bytes;
    int line;  // kLineBusy: more follows at once; kLineQuiet: a pause
};

struct Outcome {
    std::vector<int> frames;  // tags of the frames taken, in order
    int dropped = 0;          // frames counted as dropped
    int waiting = 0;          // bytes undecided before the recording ends
};

void TakeAll(char *stream, int *length, int line, int *dropRun, Outcome *out)
{
    char frame[kFrameBytes];
    char why[200];
    for (;;) {
        const int step = TakeFrame(stream, length, line, dropRun, frame, why, sizeof why);
        if (step == kStreamWait)
            return;
        if (step == kStreamFrame) {
            EXPECT_EQ(FrameWord(frame, 0), kReplyMarker);
            EXPECT_EQ(FrameWord(frame, 1), kCmdReadData);
            out->frames.push_back(FrameWord(frame, 2) - 2);
        } else {
            EXPECT_STRNE(why, "") << "a drop without its reason";
            out->dropped += step == kStreamDropped;
        }
    }
}

// Feeds the chunks, taking what each allows; then the recording ends as
// the recorder ends it: the line falls quiet, the rest is dropped.
Outcome Feed(const std::vector<Chunk> &chunks)
{
    char stream[kLinkBufBytes];
    int length = 0, dropRun = 0;
    Outcome out;
    for (const Chunk &c : chunks) {
        c.bytes.copy(stream + length, c.bytes.size());
        length += static_cast<int>(c.bytes.size());
        TakeAll(stream, &length, c.line, &dropRun, &out);
    }
    out.waiting = length;
    TakeAll(stream, &length, kLineQuiet, &dropRun, &out);
    TakeAll(stream, &length, kLineEnded, &dropRun, &out);
    EXPECT_EQ(length, 0) << "bytes left after the end";
    return out;
}

struct StreamCase {
    const char *what;
    std::vector<Chunk> chunks;
    std::vector<int> frames;
    int dropped;
    int waiting;
};

void PrintTo(const StreamCase &c, std::ostream *os)
{
    *os << c.what;
}

class FrameStream : public ::testing::TestWithParam<StreamCase> {};

TEST_P(FrameStream, TakesOnlyProvenFramesAndCountsTheRest)
{
    const StreamCase &c = GetParam();
    const Outcome got = Feed(c.chunks);
    EXPECT_EQ(got.frames, c.frames) << c.what;
    EXPECT_EQ(got.dropped, c.dropped) << c.what;
    EXPECT_EQ(got.waiting, c.waiting) << c.what;
}

std::string Without(std::string s, std::size_t at)
{
    return s.erase(at, 1);
}

// A frame two of whose words, from byte at on, read as a data frame's
// marker and command: SYM1 and SYM2 at 12, two spare words at 28.
std::string FrameHidingAHeader(int tag, std::size_t at = 12)
{
    std::string f = Frame(tag);
    const char header[] = {0x00, static_cast<char>(0xAA), 0x00, 0x05};
    f.replace(at, 4, header, 4);
    return f;
}

// count frames of 35 bytes (their last byte missing), each followed by a pause.
std::vector<Chunk> ShortFrames(int count)
{
    std::vector<Chunk> chunks;
    for (int i = 0; i < count; ++i)
        chunks.push_back({Frame(100 * i).substr(0, 35), kLineQuiet});
    return chunks;
}

std::vector<Chunk> ByteByByte(const std::string &bytes)
{
    std::vector<Chunk> chunks;
    for (char b : bytes)
        chunks.push_back({std::string(1, b), kLineBusy});
    return chunks;
}

const std::string kHalf = Frame(300).substr(0, 17);

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameStream,
    ::testing::Values(
        StreamCase{"valid frames back to back", {{Frame(100) + Frame(200) + Frame(300), kLineBusy}},
                   {100, 200, 300}, 0, 36},
        StreamCase{"one frame, then a pause", {{Frame(100), kLineQuiet}}, {100}, 0, 0},
        StreamCase{"one and a half, then the rest",
                   {{Frame(100) + kHalf, kLineBusy}, {Frame(300).substr(17), kLineQuiet}},
                   {100, 300}, 0, 0},
        StreamCase{"byte by byte", ByteByByte(Frame(100) + Frame(200)), {100, 200}, 0, 36},
        StreamCase{"noise before a frame",
                   {{std::string("\x12\xAA\x00\x55\x00", 5) + Frame(100), kLineQuiet}}, {100}, 0,
                   0},
        StreamCase{"a wrong marker between good frames",
                   {{Frame(100), kLineQuiet}, {Frame(200, 0x00AB), kLineQuiet},
                    {Frame(300), kLineQuiet}},
                   {100, 300}, 1, 0},
        StreamCase{"a lost byte",
                   {{Without(Frame(100), 8) + Frame(200) + Frame(300), kLineBusy}}, {200, 300}, 1,
                   36},
        StreamCase{"a marker inside a broken frame",
                   {{FrameHidingAHeader(100).substr(5) + Frame(200) + Frame(300), kLineBusy}},
                   {200, 300}, 1, 36},
        StreamCase{"its first byte lost, a marker in its spare words",
                   {{FrameHidingAHeader(100, 28).substr(1) + Frame(200), kLineQuiet}}, {200}, 1,
                   0},
        StreamCase{"a frame hiding a marker, whole", {{FrameHidingAHeader(100), kLineQuiet}},
                   {100}, 0, 0},
        StreamCase{"a 35-byte stream", ShortFrames(25), {}, 25, 35},
        StreamCase{"frames of 37 bytes",
                   {{Frame(100) + '\0', kLineQuiet}, {Frame(200) + '\0', kLineQuiet}}, {}, 2, 1},
        StreamCase{"half a frame when the recording ends", {{Frame(100) + kHalf, kLineBusy}},
                   {100}, 1, 17},
        StreamCase{"a stray byte is no frame", {{std::string("\x07\x00", 2), kLineQuiet}}, {}, 0,
                   1}));

}  // namespace
