// The data panel: live values, bars, the main graphs and the status line.
// The density view (density, symmetries, their graphs) and the raw view
// (channel values, raw chart) occupy the same places; the program shows one
// set and hides the other, so the resource starts in the density view.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 631;   // ends level with the main window's last buttons

constexpr int kCtrlHeight = 22;
constexpr int kMargin = 10;

// Row A: view selector, status line, link in use.
constexpr int kRowA = 24;
constexpr int kSourceWidth = 110;
constexpr int kStatusLeft = 130, kStatusWidth = 300;
constexpr int kLinkLeft = 440, kLinkWidth = 150;

// Row B: six value fields (view set, then the present maxima).
constexpr int kRowB = 76;
constexpr int kValueWidth = 80, kValueStep = 86;
constexpr int kMaxLeft = kMargin + 3 * kValueStep;

// Row C: vector number, temperature, trigger state, graph panel button.
constexpr int kRowC = 128, kRowCHeight = 30;
constexpr int kVecWidth = 80, kVecPoints = 14;
constexpr int kTempLeft = kMargin + kValueStep, kTriggerLeft = kMargin + 2 * kValueStep;
constexpr int kShowGraphLeft = 470, kShowGraphWidth = 120;

// Graph area and the bars to its right.
constexpr int kGraphTop = 190, kGraphBottom = kHeight - 10;
constexpr int kGraphWidth = 420;
constexpr int kDensityHeight = 215;
constexpr int kSymTop = 435, kSymWidth = 205, kSymGap = 10;
constexpr int kBarLeft = 445, kBarWidth = 45, kBarStep = 50;

constexpr int kChannelMax = 4095;    // 12-bit channels
constexpr double kFullScale = 4096;  // y range of the strip charts
constexpr int kStripPoints = 101;
constexpr int kStripTraces = 3;
constexpr double kSymMax = 1000, kSymHeight = 100;
constexpr int kWordMax = 65535;

constexpr int kU16 = VAL_UNSIGNED_SHORT_INTEGER;
constexpr int kButtonGrey = 0xE0E0E0;

const ListItemDesc kSourceItems[] = {
    {"DENSITY", 0},
    {"RAW", 1},
};

constexpr int kRawColors[kStripTraces] = {0xFF0000, 0x00A000, 0x0000FF};    // CH_L, CH_C, CH_R
constexpr int kDensityColors[kStripTraces] = {0xFF8000, 0x808080, 0x808080};  // value, band

// A numeric indicator of one word.
constexpr CtrlDesc Value(int id, const char *name, const char *label, int top, int left,
                         const char *callback, int visible = 1)
{
    return {.id = id, .kind = CTRL_NUMERIC, .name = name, .label = label, .top = top,
            .left = left, .width = kValueWidth, .height = kCtrlHeight, .callback = callback,
            .dataType = kU16, .minValue = 0, .maxValue = kWordMax, .mode = VAL_INDICATOR,
            .visible = visible};
}

// A channel bar with its 0 .. 4095 scale.
constexpr CtrlDesc Bar(int id, const char *name, const char *label, int index,
                       const char *callback)
{
    return {.id = id, .kind = CTRL_BAR, .name = name, .label = label, .top = kGraphTop,
            .left = kBarLeft + index * kBarStep, .width = kBarWidth,
            .height = kGraphBottom - kGraphTop, .callback = callback,
            .dataType = kU16, .minValue = 0, .maxValue = kChannelMax, .mode = VAL_INDICATOR,
            .color = kRawColors[index]};
}

const CtrlDesc kCtrls[] = {
    {.id = DATAP_SelectSource, .kind = CTRL_RING, .name = "SelectSource", .label = "SOURCE",
     .top = kRowA, .left = kMargin, .width = kSourceWidth, .height = kCtrlHeight,
     .callback = "CBF_SelectSource", .dataType = kU16, .initial = 0, .items = kSourceItems,
     .numItems = 2},
    {.id = DATAP_DispStatus, .kind = CTRL_STRING, .name = "DispStatus", .label = "STATUS",
     .top = kRowA, .left = kStatusLeft, .width = kStatusWidth, .height = kCtrlHeight,
     .callback = "CBF_DispStatus", .dataType = VAL_STRING, .initialText = "",
     .mode = VAL_INDICATOR},
    // Only one of the two is shown, according to the transport.
    {.id = DATAP_DispComPort, .kind = CTRL_NUMERIC, .name = "DispComPort", .label = "COM",
     .top = kRowA, .left = kLinkLeft, .width = kLinkWidth, .height = kCtrlHeight,
     .callback = nullptr, .dataType = kU16, .minValue = 0, .maxValue = kWordMax,
     .mode = VAL_INDICATOR, .visible = 0},
    {.id = DATAP_DispServer, .kind = CTRL_STRING, .name = "DispServer", .label = "SERVER",
     .top = kRowA, .left = kLinkLeft, .width = kLinkWidth, .height = kCtrlHeight,
     .callback = nullptr, .dataType = VAL_STRING, .initialText = "", .mode = VAL_INDICATOR},

    // Raw view values, hidden in the density view they share the places with.
    Value(DATAP_DispChL, "DispChL", "CH_L", kRowB, kMargin, "CBF_DispChL", 0),
    Value(DATAP_DispChC, "DispChC", "CH_C", kRowB, kMargin + kValueStep, "CBF_DispChC", 0),
    Value(DATAP_DispChR, "DispChR", "CH_R", kRowB, kMargin + 2 * kValueStep, "CBF_DispChR", 0),
    Value(DATAP_DispDensity, "DispDensity", "DENSITY", kRowB, kMargin, "CBF_DispDensity"),
    Value(DATAP_DispSym1, "DispSym1", "SYM 1", kRowB, kMargin + kValueStep, "CBF_DispSym1"),
    Value(DATAP_DispSym2, "DispSym2", "SYM 2", kRowB, kMargin + 2 * kValueStep,
          "CBF_DispSym2"),
    // Present maxima: shown in evaluation mode 1 only; the start mode is 0.
    Value(DATAP_DispAktMaxChL, "DispAktMaxChL", "MAX CH_L", kRowB, kMaxLeft,
          "CBF_DispAktMaxChL", 0),
    Value(DATAP_DispAktMaxChC, "DispAktMaxChC", "MAX CH_C", kRowB, kMaxLeft + kValueStep,
          "CBF_DispAktMaxChC", 0),
    Value(DATAP_DispAktMaxChR, "DispAktMaxChR", "MAX CH_R", kRowB, kMaxLeft + 2 * kValueStep,
          "CBF_DispAktMaxChR", 0),

    {.id = DATAP_DispVec, .kind = CTRL_NUMERIC, .name = "DispVec", .label = "V-No:",
     .top = kRowC, .left = kMargin, .width = kVecWidth, .height = kRowCHeight,
     .callback = "CBF_DispVec", .dataType = kU16, .minValue = 0, .maxValue = kWordMax,
     .mode = VAL_INDICATOR, .pointSize = kVecPoints},
    Value(DATAP_DispTemp, "DispTemp", "TEMP", kRowC + (kRowCHeight - kCtrlHeight), kTempLeft,
          nullptr),
    // Trigger state: shown in the external trigger modes only; the start mode is CONT.
    Value(DATAP_DispTrigger, "DispTrigger", "TRIGGER", kRowC + (kRowCHeight - kCtrlHeight),
          kTriggerLeft, nullptr, 0),
    {.id = DATAP_ButtonShowGraph, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonShowGraph",
     .label = "GRAPH PANEL", .top = kRowC, .left = kShowGraphLeft, .width = kShowGraphWidth,
     .height = kRowCHeight, .callback = "CBF_ButtonShowGraph", .color = kButtonGrey},

    // The raw chart takes the whole graph area of the density view's three graphs.
    {.id = DATAP_GraphRaw1, .kind = CTRL_STRIP_CHART, .name = "GraphRaw1",
     .label = "RAW  CH_L / CH_C / CH_R", .top = kGraphTop, .left = kMargin,
     .width = kGraphWidth, .height = kGraphBottom - kGraphTop, .callback = "CBF_GraphRaw1",
     .dataType = VAL_DOUBLE, .visible = 0, .yMin = 0, .yMax = kFullScale,
     .numTraces = kStripTraces, .pointsPerScreen = kStripPoints, .traceColors = kRawColors},
    {.id = DATAP_GraphDensity, .kind = CTRL_STRIP_CHART, .name = "GraphDensity",
     .label = "DENSITY", .top = kGraphTop, .left = kMargin, .width = kGraphWidth,
     .height = kDensityHeight, .callback = "CBF_GraphDensity", .dataType = VAL_DOUBLE,
     .yMin = 0, .yMax = kFullScale, .numTraces = kStripTraces,
     .pointsPerScreen = kStripPoints, .traceColors = kDensityColors},
    {.id = DATAP_GraphSym1, .kind = CTRL_GRAPH, .name = "GraphSym1", .label = "SYMMETRY 1",
     .top = kSymTop, .left = kMargin, .width = kSymWidth, .height = kGraphBottom - kSymTop,
     .callback = "CBF_GraphSym1", .dataType = VAL_DOUBLE, .xMin = 0, .xMax = kSymMax,
     .yMin = 0, .yMax = kSymHeight},
    {.id = DATAP_GraphSym2, .kind = CTRL_GRAPH, .name = "GraphSym2", .label = "SYMMETRY 2",
     .top = kSymTop, .left = kMargin + kSymWidth + kSymGap, .width = kSymWidth,
     .height = kGraphBottom - kSymTop, .callback = "CBF_GraphSym2", .dataType = VAL_DOUBLE,
     .xMin = 0, .xMax = kSymMax, .yMin = 0, .yMax = kSymHeight},

    Bar(DATAP_BarChL, "BarChL", "CH_L", 0, "CBF_BarChL"),
    Bar(DATAP_BarChC, "BarChC", "CH_C", 1, "CBF_BarChC"),
    Bar(DATAP_BarChR, "BarChR", "CH_R", 2, "CBF_BarChR"),
};

}  // namespace

extern const PanelDesc kDataPanelDesc = {
    .resourceId = DATAP, .name = "DATAP", .title = "DATA",
    .top = 63, .left = 288, .width = kWidth, .height = kHeight,
    .callback = "CBF_DATAP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
};
