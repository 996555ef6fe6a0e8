// The link log window: counters along the top with the pause and save
// buttons, below them the lines in a fixed-width font so the hex words stand
// in columns. It grows with its window like the main window.
#include "platform/userint/resource.h"
#include "ui/linklog_uir.h"

namespace {

constexpr int kWidth = 980;
constexpr int kHeight = 560;
constexpr int kMargin = 10;

constexpr int kCountTop = 26, kCountHeight = 22, kCountWidth = 96, kCountStep = 108;
constexpr int kButtonWidth = 130, kButtonHeight = 26, kButtonTop = 24;
constexpr int kTextTop = 60;
constexpr int kLogPoints = 8;  // a whole line (time, 18 hex words, meaning) fits the width

constexpr double kRefreshS = 0.25;   // new lines and counters come into view this often
constexpr int kU32 = VAL_UNSIGNED_INTEGER;
constexpr double kCountMax = 4294967295.0;
constexpr int kButtonGrey = 0xE0E0E0;

constexpr CtrlDesc Counter(int id, const char *name, const char *label, int column)
{
    return {.id = id, .kind = CTRL_NUMERIC, .name = name, .label = label, .top = kCountTop,
            .left = kMargin + column * kCountStep, .width = kCountWidth, .height = kCountHeight,
            .callback = nullptr, .dataType = kU32, .minValue = 0, .maxValue = kCountMax,
            .mode = VAL_INDICATOR};
}

const CtrlDesc kCtrls[] = {
    Counter(LINKLOGP_DispRequests, "DispRequests", "REQUESTS", 0),
    Counter(LINKLOGP_DispReplies, "DispReplies", "REPLIES", 1),
    Counter(LINKLOGP_DispTimeouts, "DispTimeouts", "TIME-OUTS", 2),
    Counter(LINKLOGP_DispEchoErrors, "DispEchoErrors", "ECHO ERRORS", 3),
    {.id = LINKLOGP_DispFrameRate, .kind = CTRL_NUMERIC, .name = "DispFrameRate",
     .label = "FRAMES/S", .top = kCountTop, .left = kMargin + 4 * kCountStep,
     .width = kCountWidth, .height = kCountHeight, .callback = nullptr,
     .dataType = VAL_DOUBLE, .minValue = 0, .maxValue = 1e6, .mode = VAL_INDICATOR,
     .precision = 1},
    {.id = LINKLOGP_ButtonPauseLog, .kind = CTRL_TOGGLE_BUTTON, .name = "ButtonPauseLog",
     .label = "PAUSE", .top = kButtonTop, .left = kWidth - kMargin - 2 * kButtonWidth - 8,
     .width = kButtonWidth, .height = kButtonHeight, .callback = "CBF_ButtonPauseLog",
     .color = kButtonGrey},
    {.id = LINKLOGP_ButtonSaveLog, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonSaveLog",
     .label = "SAVE AS TEXT", .top = kButtonTop, .left = kWidth - kMargin - kButtonWidth,
     .width = kButtonWidth, .height = kButtonHeight, .callback = "CBF_ButtonSaveLog",
     .color = kButtonGrey},
    {.id = LINKLOGP_LogText, .kind = CTRL_TEXT_BOX, .name = "LogText", .label = "",
     .top = kTextTop, .left = kMargin, .width = kWidth - 2 * kMargin,
     .height = kHeight - kTextTop - kMargin, .callback = nullptr, .dataType = VAL_STRING,
     .initialText = "", .mode = VAL_INDICATOR, .pointSize = kLogPoints},
    {.id = LINKLOGP_LogTimer, .kind = CTRL_TIMER, .name = "LogTimer", .label = "",
     .top = 0, .left = 0, .width = 0, .height = 0, .callback = "CBF_LinkLogTimer",
     .initial = kRefreshS, .enabled = 0},
};

const PanelDesc kPanels[] = {
    {.resourceId = LINKLOGP, .name = "LINKLOGP", .title = "Link log", .top = 80, .left = 120,
     .width = kWidth, .height = kHeight, .callback = "CBF_LINKLOGP", .ctrls = kCtrls,
     .numCtrls = sizeof kCtrls / sizeof kCtrls[0], .sizable = 1, .scaleContents = 1},
};

}  // namespace

const PanelDesc *LinkLogPanel()
{
    return kPanels;
}

void RegisterLinkLogResource()
{
    RegisterPanelResource(kLinkLogUirFile, kPanels, 1);
}
