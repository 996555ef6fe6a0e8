// Request frames and reply decoding.
#include <gtest/gtest.h>

#include <cstring>

#include "app/state.h"
#include "com232/frame.h"
#include "com232/link_errors.h"

using namespace orvelle;

namespace {

unsigned Byte(int i)
{
    return static_cast<unsigned char>(szWriteBuf[i]);
}

class Frames : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitStateValues();
        std::memset(szWriteBuf, 0, sizeof szWriteBuf);
        for (int i = 0; i < kPpWords; ++i)
            pp[i] = static_cast<word>(i * 257);
    }
};

TEST_F(Frames, ParameterWriteCarriesSlotsMostSignificantByteFirst)
{
    pp[0] = 1000;
    FillTxBuf(kCmdWritePara, 0, 0, 0);
    const unsigned expected[] = {0x00, 0x55, 0x00, 0x01, 0x03, 0xE8};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Byte(i), expected[i]) << i;
    EXPECT_EQ(FrameWord(szWriteBuf, 17), pp[15]);
}

TEST_F(Frames, RowWriteTakesTheRowFromTheSetImage)
{
    FillTxBuf(kCmdWriteRow, 30, 0, 0);
    EXPECT_EQ(FrameWord(szWriteBuf, 1), 2);
    EXPECT_EQ(FrameWord(szWriteBuf, 2), 30);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(FrameWord(szWriteBuf, 3 + c), pp[16 + 6 * 30 + c]);
}

TEST_F(Frames, WordsNotRewrittenKeepThePreviousFrame)
{
    FillTxBuf(kCmdWritePara, 0, 0, 0);
    const word w9 = FrameWord(szWriteBuf, 9);
    FillTxBuf(kCmdReadRow, 6, 0, 0);
    EXPECT_EQ(FrameWord(szWriteBuf, 1), 4);
    EXPECT_EQ(FrameWord(szWriteBuf, 2), 6);
    EXPECT_EQ(FrameWord(szWriteBuf, 9), w9);
    FillTxBuf(kCmdAutoSend, 1, 0, 0);
    EXPECT_EQ(FrameWord(szWriteBuf, 1), 50);
    EXPECT_EQ(FrameWord(szWriteBuf, 2), 1);
    EXPECT_EQ(FrameWord(szWriteBuf, 9), w9);
}

TEST_F(Frames, RepliesDecodeIntoBlockAndDataBuffer)
{
    for (int i = 0; i < 36; ++i)
        szReadBuf[i] = static_cast<char>(i % 2 ? 0x80 + i : i / 2);
    pp[18] = 4242;
    GetRxBufPara();
    EXPECT_EQ(pp[0], 0x0081);
    EXPECT_EQ(pp[17], (17 << 8) | (0x80 + 35));
    EXPECT_EQ(pp[18], 4242);  // past the frame: untouched
    GetRxBufData();
    EXPECT_EQ(databuf[5], (5 << 8) | (0x80 + 11));
}

TEST(LinkErrors, TextsOfBothTables)
{
    EXPECT_STREQ(Rs232ErrorText(-2), "Invalid port number");
    EXPECT_STREQ(Rs232ErrorText(-4), "Unknown I/0 error");
    EXPECT_STREQ(Rs232ErrorText(-5), "RS-232 error!");
    EXPECT_STREQ(Rs232ErrorText(-99), "Timeout");
    EXPECT_STREQ(Rs232ErrorText(-100), "RS-232 error!");
    EXPECT_STREQ(TcpErrorText(-1), "UnableToRegisterService");
    EXPECT_STREQ(TcpErrorText(-11), "TimeOutError");
    EXPECT_STREQ(TcpErrorText(-20), "InfoNotAvailable");
    EXPECT_STREQ(TcpErrorText(-21), "Connection to server failed");
    EXPECT_STREQ(TcpErrorText(-9999), "Connection to server failed");
}

}  // namespace
