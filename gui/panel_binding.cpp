#include "gui/panel_binding.h"

#include <initializer_list>

#include "app/state.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

struct Binding {
    int ctrl;
    word *var;
};

// The ten parameter controls in transfer order.
const Binding kParaBindings[] = {
    {PARAP_SlidePower, &paraPower},   {PARAP_EditChannelMode, &paraChannelMode},
    {PARAP_EditAverage, &paraAverage}, {PARAP_Evalmode, &paraEvalMode},
    {PARAP_EditHold, &paraHold},       {PARAP_EditIntlim, &paraIntlim},
    {PARAP_EditMaxNo, &paraMaxNr},     {PARAP_EditOutmode, &paraOutMode},
    {PARAP_EditTrigger, &paraTrigger}, {PARAP_ExternTeach, &paraExtteach},
};

constexpr word kOutBinary = kOutModeBinary;

const char kVectorWarning[] =
    " ATTENTION! \n \n MAXVEC-No. IS TOO HIGH \n DECREASE MAXVEC-No. OR SWITCH TO OUTMODE=BINARY";

}  // namespace

void GetPanelValues()
{
    for (const Binding &b : kParaBindings)
        GetCtrlVal(parapanel, b.ctrl, b.var);
    for (int row = 1; row <= kVecCount; ++row)
        for (int col = 1; col <= kVecWords; ++col)
            GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col, row),
                            &paraTeachVec[row - 1][col - 1]);
}

void SetPanelValues()
{
    for (const Binding &b : kParaBindings)
        SetCtrlVal(parapanel, b.ctrl, *b.var);
    for (int row = 1; row <= kVecCount; ++row)
        for (int col = 1; col <= kVecWords; ++col)
            SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col, row),
                            paraTeachVec[row - 1][col - 1]);
}

void PanelSetImage(word (&image)[kSetWords])
{
    int w = 0;
    for (const Binding &b : kParaBindings)
        GetCtrlVal(parapanel, b.ctrl, &image[w++]);
    for (word spare : {paraFrei11, paraFrei12, paraFrei13, paraFrei14, paraFrei15, paraFrei16})
        image[w++] = spare;
    for (int row = 1; row <= kVecCount; ++row)
        for (int col = 1; col <= kVecWords; ++col)
            GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(col, row), &image[w++]);
}

void CheckVectorCount()
{
    if (paraMaxNr > anzOut && paraOutMode != kOutBinary)
        MessagePopup("INFO!", kVectorWarning);
}

void ColourTeachRows()
{
    for (int row = 1; row <= kVecCount; ++row)
        SetTableRowAttribute(ttpanel, TTP_GridCtt, row, ATTR_LABEL_COLOR,
                             row <= paraMaxNr ? kRowLabelChecked : kRowLabelUnchecked);
}

void InitEval()
{
    GetCtrlVal(parapanel, PARAP_Evalmode, &paraEvalMode);
    if (paraEvalMode == 0 || paraEvalMode == 1) {
        for (int ctrl : {DATAP_DispAktMaxChL, DATAP_DispAktMaxChC, DATAP_DispAktMaxChR})
            SetCtrlAttribute(datapanel, ctrl, ATTR_VISIBLE, static_cast<int>(paraEvalMode));
    }
    InitExteach();
    InitTrigger();
    GetCtrlVal(parapanel, PARAP_EditMaxNo, &paraMaxNr);
    CheckVectorCount();
    ColourTeachRows();
}

void InitExteach()
{
    GetCtrlVal(parapanel, PARAP_ExternTeach, &paraExtteach);
    if (paraExtteach == 0) {
        SetCtrlAttribute(parapanel, PARAP_EditTrigger, ATTR_DIMMED, 0);
    } else if (paraExtteach == 1) {
        SetCtrlVal(parapanel, PARAP_EditTrigger, 0);
        SetCtrlAttribute(parapanel, PARAP_EditTrigger, ATTR_DIMMED, 1);
    }
}

void InitTrigger()
{
    GetCtrlVal(parapanel, PARAP_EditTrigger, &paraTrigger);
    if (paraTrigger == 0) {
        SetCtrlAttribute(parapanel, PARAP_ExternTeach, ATTR_DIMMED, 0);
        SetCtrlAttribute(datapanel, DATAP_DispTrigger, ATTR_VISIBLE, 0);
    } else if (paraTrigger == 1 || paraTrigger == 2) {
        SetCtrlVal(parapanel, PARAP_ExternTeach, 0);
        SetCtrlAttribute(parapanel, PARAP_ExternTeach, ATTR_DIMMED, 1);
        SetCtrlAttribute(datapanel, DATAP_DispTrigger, ATTR_VISIBLE, 1);
    }
}

void InitChannelMode() {}

}  // namespace orvelle
