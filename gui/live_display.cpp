#include "gui/live_display.h"

#include <cstdio>
#include <initializer_list>

#include "app/state.h"
#include "com232/status_display.h"
#include "gui/main_graphs.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

void SetPanelData()
{
    if (stale)
        ShowLinkStale(0);  // a fresh frame: the values are live again
    // Kept for the operator once the link fails: "no frame since ...".
    std::snprintf(szFrameTime, sizeof szFrameTime, "%s", TimeStr());
    SetCtrlVal(datapanel, DATAP_BarChL, dataChL);
    SetCtrlVal(datapanel, DATAP_BarChC, dataChC);
    SetCtrlVal(datapanel, DATAP_BarChR, dataChR);
    SetCtrlVal(datapanel, DATAP_DispChL, dataChL);
    SetCtrlVal(datapanel, DATAP_DispChC, dataChC);
    SetCtrlVal(datapanel, DATAP_DispChR, dataChR);
    SetCtrlVal(datapanel, DATAP_DispDensity, dataDensity);
    SetCtrlVal(datapanel, DATAP_DispSym1, dataSym1);
    SetCtrlVal(datapanel, DATAP_DispSym2, dataSym2);
    SetCtrlVal(datapanel, DATAP_DispVec, dataVec);
    // The big display shows the detected vector, readable across the line.
    SetCtrlVal(colbigpanel, COLBIGP_DispVec, dataVec);
    SetCtrlVal(datapanel, DATAP_DispTemp, dataTemp);
    SetCtrlVal(datapanel, DATAP_DispAktMaxChL, dataAktMaxChL);
    SetCtrlVal(datapanel, DATAP_DispAktMaxChC, dataAktMaxChC);
    SetCtrlVal(datapanel, DATAP_DispAktMaxChR, dataAktMaxChR);
    SetCtrlVal(datapanel, DATAP_DispTrigger, dataTrigger);
    UpdateGraphHistories();
}

void DispVis()
{
    GetCtrlVal(datapanel, DATAP_SelectSource, &source);
    if (source != 0 && source != 1)
        return;
    const int density = source == 0 ? 1 : 0;
    const int raw = 1 - density;
    for (int ctrl : {DATAP_DispChL, DATAP_DispChC, DATAP_DispChR, DATAP_GraphRaw1})
        SetCtrlAttribute(datapanel, ctrl, ATTR_VISIBLE, raw);
    for (int ctrl : {DATAP_DispDensity, DATAP_DispSym1, DATAP_DispSym2, DATAP_GraphDensity,
                     DATAP_GraphSym1, DATAP_GraphSym2})
        SetCtrlAttribute(datapanel, ctrl, ATTR_VISIBLE, density);
}

}  // namespace orvelle
