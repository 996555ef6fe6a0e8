// The four conversions between the named variables and the word images of
// the parameter block and the data frame.
#include "com232/conversions.h"

namespace orvelle {

namespace {

constexpr word kReplyMarker = 0x00AA;
constexpr word kCmdReadPara = 3;
constexpr word kCmdReadRow = 4;
constexpr int kTeachBase = kParaSlots;  // first teach word in the set image
constexpr int kMaxNrSlot = 6;

// The sixteen parameter slots in block order.
word *const kSlots[kParaSlots] = {
    &paraPower, &paraChannelMode, &paraAverage, &paraEvalMode, &paraHold, &paraIntlim,
    &paraMaxNr, &paraOutMode, &paraTrigger, &paraExtteach, &paraFrei11, &paraFrei12,
    &paraFrei13, &paraFrei14, &paraFrei15, &paraFrei16,
};

}  // namespace

void VarsToImage(word *image)
{
    for (int s = 0; s < kParaSlots; ++s)
        image[s] = *kSlots[s];
    for (int r = 0; r < kVecCount; ++r)
        for (int c = 0; c < kVecWords; ++c)
            image[kTeachBase + kVecWords * r + c] = paraTeachVec[r][c];
}

void ImageToVars(const word *image)
{
    for (int s = 0; s < kParaSlots; ++s)
        *kSlots[s] = image[s];
    for (int r = 0; r < kVecCount; ++r)
        for (int c = 0; c < kVecWords; ++c)
            paraTeachVec[r][c] = image[kTeachBase + kVecWords * r + c];
    if (paraMaxNr > anzVec)
        paraMaxNr = anzVec;
}

void ReplyIntoImage(const word *reply, word *image)
{
    if (reply[0] != kReplyMarker)
        return;
    if (reply[1] == kCmdReadPara) {
        for (int s = 0; s < kParaSlots; ++s)
            image[s] = reply[s + 2];
        if (image[kMaxNrSlot] > anzVec)
            image[kMaxNrSlot] = anzVec;
    } else if (reply[1] == kCmdReadRow) {
        // A row number past the table has nowhere to go: ignore the reply.
        const word r = reply[2];
        if (r >= kVecCount)
            return;
        for (int c = 0; c < kVecWords; ++c)
            image[kTeachBase + kVecWords * r + c] = reply[3 + c];
    }
}

void CopyVarsToPP()
{
    VarsToImage(pp);
}

void CopyPPtoVars()
{
    word image[kSetWords];
    VarsToImage(image);
    ReplyIntoImage(pp, image);
    ImageToVars(image);
}

void CopyFileParatoVars()
{
    ImageToVars(pp);
}

void CopyDatatoVars()
{
    word *const vars[] = {&dataChL, &dataChC, &dataChR, &dataDensity, &dataSym1, &dataSym2,
                          &dataVec, &dataTemp, &dataAktMaxChL, &dataAktMaxChC, &dataAktMaxChR,
                          &dataTrigger};
    for (int i = 0; i < 12; ++i)
        *vars[i] = databuf[2 + i];
}

}  // namespace orvelle
