// The conversions between the named variables and the word images.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/state.h"
#include "com232/conversions.h"

using namespace orvelle;

namespace {

class Conversions : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitStateValues();
        std::fill(std::begin(pp), std::end(pp), word{0});
        // A recognisable set: slot s holds 100 + s, cell (r, c) holds 1000 + 10 r + c.
        word *slots[] = {&paraPower, &paraChannelMode, &paraAverage, &paraEvalMode, &paraHold,
                         &paraIntlim, &paraMaxNr, &paraOutMode, &paraTrigger, &paraExtteach,
                         &paraFrei11, &paraFrei12, &paraFrei13, &paraFrei14, &paraFrei15,
                         &paraFrei16};
        for (int s = 0; s < 16; ++s)
            *slots[s] = static_cast<word>(100 + s);
        paraMaxNr = 4;
        for (int r = 0; r < 31; ++r)
            for (int c = 0; c < 6; ++c)
                paraTeachVec[r][c] = static_cast<word>(1000 + 10 * r + c);
    }
    void SetReply(word marker, word command, std::initializer_list<word> payload)
    {
        pp[0] = marker;
        pp[1] = command;
        int i = 2;
        for (word w : payload)
            pp[i++] = w;
    }
    word saved_[31][6];
    void SaveTable() { std::memcpy(saved_, paraTeachVec, sizeof saved_); }
    bool TableUnchanged() const { return std::memcmp(saved_, paraTeachVec, sizeof saved_) == 0; }
};

TEST_F(Conversions, SetImageLaysOutSlotsThenRows)
{
    std::fill(std::begin(pp), std::end(pp), word{0xFFFF});
    CopyVarsToPP();
    EXPECT_EQ(pp[0], 100);
    EXPECT_EQ(pp[6], 4);          // paraMaxNr
    EXPECT_EQ(pp[15], 115);       // paraFrei16
    EXPECT_EQ(pp[16], 1000);      // row 0, column 0
    EXPECT_EQ(pp[16 + 6 * 7 + 3], 1073);
    EXPECT_EQ(pp[201], 1305);     // row 30, column 5
    EXPECT_EQ(pp[202], 0xFFFF);   // past the set: untouched
}

TEST_F(Conversions, FileImageRoundTripsAndClampsVectorCount)
{
    CopyVarsToPP();
    pp[6] = 40;
    pp[15] = 7;
    paraPower = 0;
    paraTeachVec[30][5] = 0;
    CopyFileParatoVars();
    EXPECT_EQ(paraMaxNr, 31);
    EXPECT_EQ(paraPower, 100);
    EXPECT_EQ(paraFrei16, 7);
    EXPECT_EQ(paraTeachVec[30][5], 1305);
}

TEST_F(Conversions, ParameterReplyFillsSlotsAndClamps)
{
    SetReply(0x00AA, 3, {1000, 3, 8, 1, 20, 150, 40, 2, 1, 0, 11, 12, 13, 14, 15, 16});
    CopyPPtoVars();
    EXPECT_EQ(paraPower, 1000);
    EXPECT_EQ(paraMaxNr, 31);
    EXPECT_EQ(paraOutMode, 2);
    EXPECT_EQ(paraFrei16, 16);
    // The vector count is clamped to the table from one past it on.
    const struct {
        word sent, kept;
    } counts[] = {{30, 30}, {31, 31}, {32, 31}, {65535, 31}};
    for (const auto &c : counts) {
        SetReply(0x00AA, 3, {1000, 3, 8, 1, 20, 150, c.sent, 2, 1, 0, 11, 12, 13, 14, 15, 16});
        CopyPPtoVars();
        EXPECT_EQ(paraMaxNr, c.kept) << c.sent;
    }
}

TEST_F(Conversions, WrongMarkerChangesNothing)
{
    SaveTable();
    SetReply(0x00AB, 3, {1000, 3, 8, 1, 20, 150, 40, 2, 1, 0, 11, 12, 13, 14, 15, 16});
    CopyPPtoVars();
    EXPECT_EQ(paraPower, 100);
    EXPECT_EQ(paraMaxNr, 4);
    SetReply(0x00AB, 4, {3, 9, 9, 9, 9, 9, 9});
    CopyPPtoVars();
    EXPECT_TRUE(TableUnchanged());
}

TEST_F(Conversions, RowReplyChangesOnlyItsRow)
{
    SetReply(0x00AA, 4, {30, 1, 2, 3, 4, 5, 6});
    CopyPPtoVars();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(paraTeachVec[30][c], c + 1);
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 6; ++c)
            ASSERT_EQ(paraTeachVec[r][c], 1000 + 10 * r + c) << r << "," << c;
    EXPECT_EQ(paraPower, 100);
}

TEST_F(Conversions, RowReplyPastTheTableIsIgnored)
{
    SaveTable();
    SetReply(0x00AA, 4, {31, 1, 2, 3, 4, 5, 6});
    CopyPPtoVars();
    SetReply(0x00AA, 4, {0xFFFF, 1, 2, 3, 4, 5, 6});
    CopyPPtoVars();
    EXPECT_TRUE(TableUnchanged());
    EXPECT_EQ(paraPower, 100);
}

TEST_F(Conversions, OtherCommandWordChangesNothing)
{
    SaveTable();
    SetReply(0x00AA, 5, {1, 2, 3, 4, 5, 6, 7, 8});
    CopyPPtoVars();
    EXPECT_TRUE(TableUnchanged());
    EXPECT_EQ(paraPower, 100);
}

TEST_F(Conversions, SetImageAfterReplyOverwritesWholeSet)
{
    SetReply(0x00AA, 4, {5, 1, 2, 3, 4, 5, 6});
    CopyPPtoVars();
    CopyVarsToPP();
    EXPECT_EQ(pp[0], 100);
    EXPECT_EQ(pp[1], 101);
    EXPECT_EQ(pp[16 + 6 * 5], 1);
}

TEST_F(Conversions, DataFrameWordsTwoToThirteenOnly)
{
    for (int i = 0; i < 18; ++i)
        databuf[i] = static_cast<word>(500 + i);
    dataChL = dataTrigger = 0;
    CopyDatatoVars();
    EXPECT_EQ(dataChL, 502);
    EXPECT_EQ(dataVec, 508);
    EXPECT_EQ(dataTrigger, 513);
    // Words 14 to 17 feed nothing: changing them and copying again changes nothing.
    const word snapshot[] = {dataChL, dataChC, dataChR, dataDensity, dataSym1, dataSym2,
                             dataVec, dataTemp, dataAktMaxChL, dataAktMaxChC, dataAktMaxChR,
                             dataTrigger};
    for (int i = 14; i < 18; ++i)
        databuf[i] = 0xBEEF;
    CopyDatatoVars();
    const word after[] = {dataChL, dataChC, dataChR, dataDensity, dataSym1, dataSym2,
                          dataVec, dataTemp, dataAktMaxChL, dataAktMaxChC, dataAktMaxChR,
                          dataTrigger};
    EXPECT_EQ(0, std::memcmp(snapshot, after, sizeof after));
}

TEST(StateValues, StartValues)
{
    poll = 1;
    target = DATFILE;
    InitStateValues();
    EXPECT_EQ(anzpara, 202);
    EXPECT_EQ(anzframe, 18);
    EXPECT_EQ(anzdata, 16);
    EXPECT_EQ(anzVec, 31);
    EXPECT_EQ(anzOut, 5);
    EXPECT_EQ(orvelle::sync, 0x0055);
    EXPECT_EQ(order, 1);
    EXPECT_EQ(target, RAM);
    EXPECT_EQ(poll, 0);
}

}  // namespace
