// The graph panel: the recorded frames, one signal per graph. The seven
// graphs share one place and only the selected one is shown; the resource
// starts with CH_L. Both axes scale themselves, as the x count grows with
// every recorded frame.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 631;   // the data panel's place

constexpr int kMargin = 10;
constexpr int kCtrlHeight = 22;

constexpr int kSignalTop = 24, kSignalWidth = 110;
constexpr int kCloseTop = 18, kCloseLeft = 490, kCloseWidth = 100, kCloseHeight = 30;

constexpr int kSignals = 7;
constexpr int kValueTop = 76, kValueWidth = 76, kValueStep = 83;
constexpr int kGraphTop = 128, kGraphBottom = kHeight - 10;
constexpr int kGraphWidth = kWidth - 2 * kMargin;

constexpr int kWordMax = 65535;
constexpr int kU16 = VAL_UNSIGNED_SHORT_INTEGER;
constexpr int kButtonGrey = 0xE0E0E0;

const ListItemDesc kSignalItems[kSignals] = {
    {"CH_L", 0}, {"CH_C", 1}, {"CH_R", 2}, {"DENSITY", 3},
    {"SYM1", 4}, {"SYM2", 5}, {"TEMP", 6},
};

// One graph per signal, all at the same place.
constexpr CtrlDesc Graph(int id, const char *name, const char *label, int visible)
{
    return {.id = id, .kind = CTRL_GRAPH, .name = name, .label = label, .top = kGraphTop,
            .left = kMargin, .width = kGraphWidth, .height = kGraphBottom - kGraphTop,
            .callback = "CBF_PanelGraphGraph", .dataType = VAL_DOUBLE, .visible = visible,
            .yAutoscale = 1, .xName = "FRAME", .yName = label, .xAutoscale = 1};
}

// The value of the last recorded frame, in the order of the signals.
constexpr CtrlDesc Value(int id, const char *name, const char *label, int index)
{
    return {.id = id, .kind = CTRL_NUMERIC, .name = name, .label = label, .top = kValueTop,
            .left = kMargin + index * kValueStep, .width = kValueWidth, .height = kCtrlHeight,
            .callback = nullptr, .dataType = kU16, .minValue = 0, .maxValue = kWordMax,
            .mode = VAL_INDICATOR};
}

const CtrlDesc kCtrls[] = {
    {.id = GRAPHP_EditSignal, .kind = CTRL_RING, .name = "EditSignal", .label = "SIGNAL",
     .top = kSignalTop, .left = kMargin, .width = kSignalWidth, .height = kCtrlHeight,
     .callback = "CBF_EditSignal", .dataType = VAL_INTEGER, .initial = 0,
     .items = kSignalItems, .numItems = kSignals},
    {.id = GRAPHP_ButtonGpClose, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonGpClose",
     .label = "CLOSE", .top = kCloseTop, .left = kCloseLeft, .width = kCloseWidth,
     .height = kCloseHeight, .callback = "CBF_ButtonGpClose", .color = kButtonGrey},

    Value(GRAPHP_DispChL, "DispChL", "CH_L", 0),
    Value(GRAPHP_DispChC, "DispChC", "CH_C", 1),
    Value(GRAPHP_DispChR, "DispChR", "CH_R", 2),
    Value(GRAPHP_DispDensity, "DispDensity", "DENSITY", 3),
    Value(GRAPHP_DispSym1, "DispSym1", "SYM1", 4),
    Value(GRAPHP_DispSym2, "DispSym2", "SYM2", 5),
    Value(GRAPHP_DispTemp, "DispTemp", "TEMP", 6),

    Graph(GRAPHP_GraphChL, "GraphChL", "CH_L", 1),
    Graph(GRAPHP_GraphChC, "GraphChC", "CH_C", 0),
    Graph(GRAPHP_GraphChR, "GraphChR", "CH_R", 0),
    Graph(GRAPHP_GraphDensity, "GraphDensity", "DENSITY", 0),
    Graph(GRAPHP_GraphSym1, "GraphSym1", "SYM1", 0),
    Graph(GRAPHP_GraphSym2, "GraphSym2", "SYM2", 0),
    Graph(GRAPHP_GraphTemp, "GraphTemp", "TEMP", 0),
};

}  // namespace

extern const PanelDesc kGraphPanelDesc = {
    .resourceId = GRAPHP, .name = "GRAPHP", .title = "GRAPH PANEL",
    .top = 63, .left = 288, .width = kWidth, .height = kHeight,
    .callback = "CBF_GRAPHP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
};
