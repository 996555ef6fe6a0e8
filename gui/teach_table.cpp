#include "gui/teach_table.h"

#include "app/state.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr word kResetCellValue = 1;

void DrawRange(int graph, int setCol, int row, int colour)
{
    word s = 0, t = 0;
    GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(setCol, row), &s);
    GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(setCol + 1, row), &t);
    int lower = 0, upper = 0;
    SymmetryRange(s, t, &lower, &upper);
    DeleteGraphPlot(datapanel, graph, -1, VAL_IMMEDIATE_DRAW);
    PlotRectangle(datapanel, graph, lower, 0, upper, kSymRectHeight, colour, colour);
}

}  // namespace

void SymmetryRange(unsigned s, unsigned t, int *lower, int *upper)
{
    long hi = static_cast<long>(s) + static_cast<long>(t);
    long lo = static_cast<long>(s) - static_cast<long>(t);
    if (hi > kSymFullScale)
        hi = kSymFullScale;
    if (lo < 0)
        lo = 0;
    *lower = static_cast<int>(lo);
    *upper = static_cast<int>(hi);
}

void TeachDataTo()
{
    word no = 0;
    GetCtrlVal(ttpanel, TTP_EditNo, &no);
    const int row = no + 1;
    const word values[kVecWords] = {dataDensity, kTeachDensityTol, dataSym1,
                                    kTeachSymTol, dataSym2, kTeachSymTol};
    for (int col = 1; col <= kVecWords; ++col)
        SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col, row), values[col - 1]);
    int inc = 0;
    GetCtrlVal(ttpanel, TTP_RadioInc, &inc);
    if (inc == 1 && no < anzVec - 1)
        SetCtrlVal(ttpanel, TTP_EditNo, static_cast<word>(no + 1));
}

void ResetTable()
{
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<word>(0));
    for (int row = 1; row <= kVecCount; ++row)
        for (int col = 1; col <= kVecWords; ++col)
            SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col, row), kResetCellValue);
    DeleteGraphPlot(datapanel, DATAP_GraphSym1, -1, VAL_IMMEDIATE_DRAW);
    DeleteGraphPlot(datapanel, DATAP_GraphSym2, -1, VAL_IMMEDIATE_DRAW);
}

void SetToleranceRangeSymmetry()
{
    word no = 0;
    GetCtrlVal(ttpanel, TTP_EditNo, &no);
    const int row = no + 1;
    DrawRange(DATAP_GraphSym1, 3, row, kSym1Colour);
    DrawRange(DATAP_GraphSym2, 5, row, kSym2Colour);
}

}  // namespace orvelle
