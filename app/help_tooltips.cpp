// The help text of every control, also as the tooltip shown while the
// pointer rests on it: unlike the right-click popup it blocks nothing. The
// table pairs each callback with the text its right click shows.
#include <cstring>

#include "app/help_texts.h"
#include "app/orvelle.h"
#include "app/state.h"
#include "platform/userint/resource.h"
#include "platform/userint/userint.h"
#include "ui/linklog_uir.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

struct HelpEntry {
    const char *callback;
    const char *text;
};

const HelpEntry kHelp[] = {
    {"CBF_ButtonPara", InfoButtonPara},
    {"CBF_ButtonTeachTable", InfoButtonTeachTable},
    {"CBF_ButtonGo", InfoButtonGo},
    {"CBF_ButtonStop", InfoButtonStop},
    {"CBF_Evalmode", InfoEditEvalmode},
    {"CBF_EditChannelMode", InfoEditChannelMode},
    {"CBF_ExternTeach", InfoEditEvalmode},
    {"CBF_EditMaxNo", InfoEditMaxcolNo},
    {"CBF_EditOutmode", InfoEditOutmode},
    {"CBF_EditAverage", InfoEditAverage},
    {"CBF_EditTrigger", InfoEditTrigger},
    {"CBF_EditIntlim", InfoEditIntlim},
    {"CBF_EditHold", InfoEditHold},
    {"CBF_SlidePower", InfoEditPower},
    {"CBF_ButtonSend", InfoButtonSend},
    {"CBF_ButtonGet", InfoButtonGet},
    {"CBF_SelectRAM", InfoSelectMEM},
    {"CBF_SelectEEPROM", InfoSelectMEM},
    {"CBF_SelectFILE", InfoSelectMEM},
    {"CBF_ButtonResetTable", InfoButtonResetTable},
    {"CBF_ButtonTeachDataTo", InfoButtonTeachDataTo},
    {"CBF_EditNo", InfoEditNo},
    {"CBF_RadioInc", InfoRadioInc},
    {"CBF_SelectSource", InfoSelectSource},
    {"CBF_DispDensity", InfoDispDensity},
    {"CBF_DispSym1", InfoDispSym1},
    {"CBF_DispSym2", InfoDispSym2},
    {"CBF_DispChL", InfoDispRaw},
    {"CBF_DispChC", InfoDispRaw},
    {"CBF_DispChR", InfoDispRaw},
    {"CBF_DispAktMaxChL", InfoDispAktMaxRaw},
    {"CBF_DispAktMaxChC", InfoDispAktMaxRaw},
    {"CBF_DispAktMaxChR", InfoDispAktMaxRaw},
    {"CBF_DispVec", InfoDispVec},
    {"CBF_BarChL", InfoDispBars},
    {"CBF_BarChC", InfoDispBars},
    {"CBF_BarChR", InfoDispBars},
    {"CBF_DispStatus", InfoStatus},
    {"CBF_GraphRaw1", InfoGraph},
    {"CBF_GraphDensity", InfoGraphDensity},
    {"CBF_GraphSym1", InfoGraphSym1},
    {"CBF_GraphSym2", InfoGraphSym2},
    {"CBF_ButtonShowGraph", InfoButtonShowGraph},
    {"CBF_ButtonGpClose", InfoButtonClosePanel},
    {"CBF_EditSignal", InfoEditSignal},
    {"CBF_PanelGraphGraph", InfoGraphPanel},
    {"CBF_ButtonOpenRecord", InfoButtonOpenRecord},
    {"CBF_ButtonLive", InfoButtonLive},
    {"CBF_ShowRecordSignal", InfoShowRecordSignal},
    {"CBF_RecordValue", InfoRecordValue},
    {"CBF_ButtonSavePicture", InfoButtonSavePicture},
    {"CBF_ButtonSaveLines", InfoButtonSaveLines},
    {"CBF_GraphRecord", InfoGraphRecord},
    {"CBF_ButtonRecorder", InfoButtonOpenRecorder},
    {"CBF_ButtonSelRecFile", InfoButtonSelRecFile},
    {"CBF_DispRecFile", InfoDisRecFile},
    {"CBF_ButtonStartRecord", InfoButtonStartRecord},
    {"CBF_ButtonStopRecord", InfoButtonStopRecord},
    {"CBF_ButtonStartTrigRec", InfoButtonStartRecord},
    {"CBF_ButtonStopTrigRec", InfoButtonStopRecord},
    {"CBF_ButtonManualRecord", InfoButtonManualRecord},
    {"CBF_EditSelectDataRec", InfoEditSelDataRec},
    {"CBF_EditInterval", InfoEditInterval},
    {"CBF_EditRecVal", InfoEditRecVal},
    {"CBF_DispRecordTime", InfoDispRecordTime},
    {"CBF_DispRecordedValues", InfoDispRecordedValues},
    {"CBF_DispRemaining", InfoDispRemaining},
    {"CBF_ButtonConnect", InfoButtonConnect},
    {"CBF_ButtonTryToConnect", InfoButtonTryToConnect},
    {"CBF_ButtonAccept", InfoButtonAccept},
    {"CBF_ButtonDiscard", InfoButtonDiscard},
    {"CBF_EditCommunicationProtocol", InfoEditCommunicationProtocol},
    {"CBF_EditSelectComPort", InfoEditConnect},
    {"CBF_StringIpAdress", InfoStringIpAdress},
    {"CBF_StringPortNumber", InfoStringPortNumber},
    {"CBF_EditID", InfoEditID},
    {"CBF_ButtonLinkLog", InfoButtonLinkLog},
    {"CBF_ButtonPauseLog", InfoButtonPauseLog},
    {"CBF_ButtonSaveLog", InfoButtonSaveLog},
    {"CBF_UnsentNote", InfoUnsentNote},
};

const char *HelpOfCallback(const char *callback)
{
    if (!callback)
        return nullptr;
    for (const HelpEntry &e : kHelp)
        if (std::strcmp(e.callback, callback) == 0)
            return e.text;
    return nullptr;
}

int PanelOfResource(int resourceId)
{
    switch (resourceId) {
    case MAINP: return mainpanel;
    case PARAP: return parapanel;
    case TTP: return ttpanel;
    case DATAP: return datapanel;
    case INTERFACEP: return interfacepanel;
    case RECP: return recpanel;
    case GRAPHP: return graphpanel;
    case COLBIGP: return colbigpanel;
    default: return 0;
    }
}

void SetPanelTooltips(int panel, const PanelDesc &desc)
{
    for (int k = 0; k < desc.numCtrls; ++k) {
        const CtrlDesc &ctrl = desc.ctrls[k];
        if (const char *text = HelpOfCallback(ctrl.callback))
            SetCtrlAttribute(panel, ctrl.id, ATTR_TOOLTIP_TEXT, text);
    }
}

}  // namespace

void SetHelpTooltips()
{
    const PanelDesc *panels = OrvellePanels();
    for (int i = 0; i < OrvellePanelCount(); ++i)
        SetPanelTooltips(PanelOfResource(panels[i].resourceId), panels[i]);
    SetPanelTooltips(linklogpanel, *LinkLogPanel());
}

}  // namespace orvelle
