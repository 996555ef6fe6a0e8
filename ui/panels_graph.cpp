// The graph panel: the recorded frames, one signal per graph. The seven
// graphs share one place and only the selected one is shown; the resource
// starts with CH_L. Both axes scale themselves, as the x count grows with
// every recorded frame. A record file opened on the panel takes the same
// place with controls of its own, hidden until then: a switch and the value
// at the cursor per signal, and one graph of the switched-on signals.
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

// The file view: buttons beside CLOSE, eight columns of a switch over the
// value at the cursor, a line for the cursor's time beside the save buttons.
constexpr int kButtonStep = 110;
constexpr int kInfoWidth = 250, kInfoHeight = 34;
constexpr int kSwitchTop = 56, kSwitchHeight = 18, kColumnWidth = 68, kColumnStep = 73;
constexpr int kCursorTop = 104, kSaveHeight = 22;
constexpr int kGraphTop = 128, kGraphBottom = kHeight - 10;
constexpr int kGraphWidth = kWidth - 2 * kMargin;

constexpr int kWordMax = 65535;
constexpr int kU16 = VAL_UNSIGNED_SHORT_INTEGER;
constexpr int kButtonGrey = 0xE0E0E0;

constexpr CtrlDesc Button(int id, const char *name, const char *label, int left, int top,
                          int height, const char *callback, int visible)
{
    return {.id = id, .kind = CTRL_COMMAND_BUTTON, .name = name, .label = label, .top = top,
            .left = left, .width = kCloseWidth, .height = height, .callback = callback,
            .color = kButtonGrey, .visible = visible};
}

// Column k of the file view: its signal's switch.
constexpr CtrlDesc Switch(int id, const char *name, const char *label, int k, int on)
{
    return {.id = id, .kind = CTRL_BINARY_SWITCH, .name = name, .label = label, .top = kSwitchTop,
            .left = kMargin + k * kColumnStep, .width = kColumnWidth, .height = kSwitchHeight,
            .callback = "CBF_ShowRecordSignal", .dataType = kU16, .minValue = 0, .maxValue = 1,
            .initial = double(on), .visible = 0};
}

// Column k of the file view: the value of its signal at the cursor.
constexpr CtrlDesc AtCursor(int id, const char *name, int k)
{
    return {.id = id, .kind = CTRL_NUMERIC, .name = name, .label = "", .top = kValueTop,
            .left = kMargin + k * kColumnStep, .width = kColumnWidth, .height = kCtrlHeight,
            .callback = "CBF_RecordValue", .dataType = kU16, .minValue = 0, .maxValue = kWordMax,
            .mode = VAL_INDICATOR, .visible = 0};
}

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

    Button(GRAPHP_ButtonOpenRecord, "ButtonOpenRecord", "OPEN FILE", kCloseLeft - kButtonStep,
           kCloseTop, kCloseHeight, "CBF_ButtonOpenRecord", 1),
    Button(GRAPHP_ButtonLive, "ButtonLive", "LIVE", kCloseLeft - 2 * kButtonStep, kCloseTop,
           kCloseHeight, "CBF_ButtonLive", 0),
    {.id = GRAPHP_TextRecord, .kind = CTRL_TEXT_MSG, .name = "TextRecord", .label = "",
     .top = kCloseTop - 2, .left = kMargin, .width = kInfoWidth, .height = kInfoHeight,
     .callback = nullptr, .dataType = VAL_STRING, .initialText = "", .visible = 0},
    Switch(GRAPHP_ShowChL, "ShowChL", "CH_L", 0, 1),
    Switch(GRAPHP_ShowChC, "ShowChC", "CH_C", 1, 1),
    Switch(GRAPHP_ShowChR, "ShowChR", "CH_R", 2, 1),
    Switch(GRAPHP_ShowDensity, "ShowDensity", "DENS", 3, 0),
    Switch(GRAPHP_ShowSym1, "ShowSym1", "SYM1", 4, 0),
    Switch(GRAPHP_ShowSym2, "ShowSym2", "SYM2", 5, 0),
    Switch(GRAPHP_ShowVector, "ShowVector", "VECTOR", 6, 0),
    Switch(GRAPHP_ShowTemp, "ShowTemp", "TEMP", 7, 0),
    AtCursor(GRAPHP_ValChL, "ValChL", 0),
    AtCursor(GRAPHP_ValChC, "ValChC", 1),
    AtCursor(GRAPHP_ValChR, "ValChR", 2),
    AtCursor(GRAPHP_ValDensity, "ValDensity", 3),
    AtCursor(GRAPHP_ValSym1, "ValSym1", 4),
    AtCursor(GRAPHP_ValSym2, "ValSym2", 5),
    AtCursor(GRAPHP_ValVector, "ValVector", 6),
    AtCursor(GRAPHP_ValTemp, "ValTemp", 7),
    {.id = GRAPHP_TextCursor, .kind = CTRL_TEXT_MSG, .name = "TextCursor", .label = "",
     .top = kCursorTop, .left = kMargin, .width = kCloseLeft - kButtonStep - 2 * kMargin,
     .height = kSaveHeight, .callback = nullptr, .dataType = VAL_STRING, .initialText = "",
     .visible = 0},
    Button(GRAPHP_ButtonSavePicture, "ButtonSavePicture", "SAVE PNG", kCloseLeft - kButtonStep,
           kCursorTop, kSaveHeight, "CBF_ButtonSavePicture", 0),
    Button(GRAPHP_ButtonSaveLines, "ButtonSaveLines", "SAVE LINES", kCloseLeft, kCursorTop,
           kSaveHeight, "CBF_ButtonSaveLines", 0),
    {.id = GRAPHP_GraphRecord, .kind = CTRL_GRAPH, .name = "GraphRecord", .label = "",
     .top = kGraphTop, .left = kMargin, .width = kGraphWidth, .height = kGraphBottom - kGraphTop,
     .callback = "CBF_GraphRecord", .dataType = VAL_DOUBLE, .visible = 0, .yAutoscale = 1,
     .xName = "TIME", .yName = "VALUE"},
};

}  // namespace

extern const PanelDesc kGraphPanelDesc = {
    .resourceId = GRAPHP, .name = "GRAPHP", .title = "GRAPH PANEL",
    .top = 63, .left = 288, .width = kWidth, .height = kHeight,
    .callback = "CBF_GRAPHP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
};
