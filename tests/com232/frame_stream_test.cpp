// Frames taken out of a byte stream as a triggered recording receives it:
// several at once, in pieces, after bytes that are not a frame.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com232/frame.h"
#include "com232/frame_stream.h"

using namespace orvelle;

namespace {

// A reply frame: marker, command 5, then words tag, tag + 1, ...
std::string Reply(int tag, word marker = kReplyMarker)
{
    std::string f;
    auto put = [&f](int w) {
        f += static_cast<char>(w >> 8);
        f += static_cast<char>(w & 0xFF);
    };
    put(marker);
    put(5);
    for (int i = 2; i < kFrameWords; ++i)
        put(tag + i);
    return f;
}

// Feeds the chunks one after the other, taking every frame after each; the
// frames taken are named by their word 2 minus 2.
std::vector<int> Feed(const std::vector<std::string> &chunks, int *left = nullptr)
{
    char stream[kLinkBufBytes];
    int length = 0;
    std::vector<int> tags;
    for (const std::string &c : chunks) {
        c.copy(stream + length, c.size());
        length += static_cast<int>(c.size());
        char frame[kFrameBytes];
        while (TakeFrame(stream, &length, frame) == 1) {
            EXPECT_EQ(FrameWord(frame, 0), kReplyMarker);
            tags.push_back(FrameWord(frame, 2) - 2);
        }
    }
    if (left)
        *left = length;
    return tags;
}

struct StreamCase {
    const char *what;
    std::vector<std::string> chunks;
    std::vector<int> frames;
    int left;
};

class FrameStream : public ::testing::TestWithParam<StreamCase> {};

TEST_P(FrameStream, EveryWholeFrameOnceAndInOrder)
{
    const StreamCase &c = GetParam();
    int left = -1;
    EXPECT_EQ(Feed(c.chunks, &left), c.frames) << c.what;
    EXPECT_EQ(left, c.left) << c.what;
}

const std::string kHalf = Reply(300).substr(0, 17);

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameStream,
    ::testing::Values(
        StreamCase{"three at once", {Reply(100) + Reply(200) + Reply(300)}, {100, 200, 300}, 0},
        StreamCase{"one and a half, then the rest",
                   {Reply(100) + kHalf, Reply(300).substr(17)}, {100, 300}, 0},
        StreamCase{"byte by byte", [] {
                       std::vector<std::string> bytes;
                       for (char b : Reply(100))
                           bytes.emplace_back(1, b);
                       return bytes;
                   }(), {100}, 0},
        StreamCase{"noise before a frame", {std::string("\x12\xAA\x00\x55\x00", 5) + Reply(100)},
                   {100}, 0},
        StreamCase{"a wrong marker between good frames",
                   {Reply(100), Reply(200, 0x00AB), Reply(300)}, {100, 300}, 0},
        StreamCase{"a broken frame resynchronised",
                   {Reply(100).substr(5) + Reply(200)}, {200}, 0},
        StreamCase{"half a frame waits", {Reply(100) + kHalf}, {100}, 17},
        StreamCase{"a zero at the end may begin a marker",
                   {std::string("\x07\x00", 2)}, {}, 1}));

}  // namespace
