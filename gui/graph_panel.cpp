#include "gui/graph_panel.h"

#include "app/state.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

struct Signal {
    int graph;           // its graph on GRAPHP
    int display;         // its numeric display on GRAPHP
    const word *value;   // the measurement variable
    word *buf;           // previous and newest value
    int color;           // 0xRRGGBB
};

// In the order of the EditSignal items.
const Signal kSignals[kGraphSignals] = {
    {GRAPHP_GraphChL, GRAPHP_DispChL, &dataChL, GpBufChL, 0xFF0000},
    {GRAPHP_GraphChC, GRAPHP_DispChC, &dataChC, GpBufChC, 0x00FF00},
    {GRAPHP_GraphChR, GRAPHP_DispChR, &dataChR, GpBufChR, 0x0000FF},
    {GRAPHP_GraphDensity, GRAPHP_DispDensity, &dataDensity, GpBufDensity, 0xFF8000},
    {GRAPHP_GraphSym1, GRAPHP_DispSym1, &dataSym1, GpBufSym1, 0xFF0080},
    {GRAPHP_GraphSym2, GRAPHP_DispSym2, &dataSym2, GpBufSym2, 0x008000},
    {GRAPHP_GraphTemp, GRAPHP_DispTemp, &dataTemp, GpBufTemp, 0x008080},
};

}  // namespace

void InitPanelGraph()
{
    graphcnt = 0;
    for (const Signal &s : kSignals)
        DeleteGraphPlot(graphpanel, s.graph, -1, VAL_IMMEDIATE_DRAW);
    GpBufCnt[0] = GpBufCnt[1] = 0;
    for (const Signal &s : kSignals)
        s.buf[0] = s.buf[1] = *s.value;
}

void SetPanelGraphData()
{
    for (const Signal &s : kSignals)
        SetCtrlVal(graphpanel, s.display, *s.value);
    GpBufCnt[0] = GpBufCnt[1];
    GpBufCnt[1] = graphcnt;
    for (const Signal &s : kSignals) {
        s.buf[0] = s.buf[1];
        s.buf[1] = *s.value;
        if (graphcnt == 0)
            s.buf[0] = *s.value;
    }
    for (const Signal &s : kSignals)
        PlotXY(graphpanel, s.graph, GpBufCnt, s.buf, 2, VAL_UNSIGNED_INTEGER,
               VAL_UNSIGNED_SHORT_INTEGER, VAL_CONNECTED_POINTS, VAL_NO_POINT, VAL_SOLID, 1,
               s.color);
    ++graphcnt;
}

void SetGraphVisible()
{
    if (gpRecord)
        return;  // a record file is shown in their place
    int selected = 0;
    GetCtrlVal(graphpanel, GRAPHP_EditSignal, &selected);
    if (selected < 0 || selected >= kGraphSignals)
        selected = 0;
    for (const Signal &s : kSignals)
        SetCtrlAttribute(graphpanel, s.graph, ATTR_VISIBLE, 0);
    SetCtrlAttribute(graphpanel, kSignals[selected].graph, ATTR_VISIBLE, 1);
}

}  // namespace orvelle
