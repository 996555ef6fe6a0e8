// The four conversions between the named variables and the word images of
// the parameter block and the data frame.
#include "com232/conversions.h"

#include "app/state.h"

namespace orvelle {

namespace {

constexpr word kReplyMarker = 0x00AA;
constexpr word kCmdReadPara = 3;
constexpr word kCmdReadRow = 4;
constexpr int kTeachBase = kParaSlots;  // first teach word in the set image

// The sixteen parameter slots in block order.
word *const kSlots[kParaSlots] = {
    &paraPower, &paraChannelMode, &paraAverage, &paraEvalMode, &paraHold, &paraIntlim,
    &paraMaxNr, &paraOutMode, &paraTrigger, &paraExtteach, &paraFrei11, &paraFrei12,
    &paraFrei13, &paraFrei14, &paraFrei15, &paraFrei16,
};

void ClampMaxNr()
{
    if (paraMaxNr > anzVec)
        paraMaxNr = anzVec;
}

}  // namespace

void CopyVarsToPP()
{
    for (int s = 0; s < kParaSlots; ++s)
        pp[s] = *kSlots[s];
    for (int r = 0; r < kVecCount; ++r)
        for (int c = 0; c < kVecWords; ++c)
            pp[kTeachBase + kVecWords * r + c] = paraTeachVec[r][c];
}

void CopyPPtoVars()
{
    if (pp[0] != kReplyMarker)
        return;
    if (pp[1] == kCmdReadPara) {
        for (int s = 0; s < kParaSlots; ++s)
            *kSlots[s] = pp[s + 2];
        ClampMaxNr();
    } else if (pp[1] == kCmdReadRow) {
        // A row number past the table has nowhere to go: ignore the reply.
        const word r = pp[2];
        if (r >= kVecCount)
            return;
        for (int c = 0; c < kVecWords; ++c)
            paraTeachVec[r][c] = pp[3 + c];
    }
}

void CopyFileParatoVars()
{
    for (int s = 0; s < kParaSlots; ++s)
        *kSlots[s] = pp[s];
    for (int r = 0; r < kVecCount; ++r)
        for (int c = 0; c < kVecWords; ++c)
            paraTeachVec[r][c] = pp[kTeachBase + kVecWords * r + c];
    ClampMaxNr();
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
