// The parameter panel: one control per scalar sensor parameter. Every control
// holds an unsigned 16-bit value that is the stored word itself, so the
// initial values here are the parameter set the program starts with.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"
#include "ui/work_area_grid.h"

namespace {

using namespace work_area;

// Two columns; a row is a label line above a 22 px control.
constexpr int kSlideTop = 26, kSlideHeight = 40;
constexpr int kRow1 = 100, kRowStep = 56;

constexpr int kPowerMax = 1000;      // full LED intensity
constexpr int kAverageMax = 1000;
constexpr int kHoldMaxMs = 1000;
constexpr int kIntlimMax = 4095;     // full scale of a channel
constexpr int kMaxVectors = 31;      // rows of the teach table

const ListItemDesc kChannelModeItems[] = {
    {"1 CHANNEL", 1},
    {"2 CHANNELS", 2},
    {"3 CHANNELS", 3},
};

const ListItemDesc kEvalModeItems[] = {
    {"NORMAL", 0},
    {"MAX HOLD", 1},
};

const ListItemDesc kOutModeItems[] = {
    {"BINARY", kOutModeBinary},
    {"DIRECT LO", kOutModeDirectLo},
    {"DIRECT HI", kOutModeDirectHi},
};

// A ring rather than a switch, so that a code other than 0 or 1 read from
// a sensor is shown and written back as it is.
const ListItemDesc kExternTeachItems[] = {
    {"OFF", 0},
    {"ON", 1},
};

const ListItemDesc kTriggerItems[] = {
    {"CONT", 0},
    {"EXT1", 1},
    {"EXT2", 2},
};

constexpr int kU16 = VAL_UNSIGNED_SHORT_INTEGER;

const CtrlDesc kCtrls[] = {
    {.id = PARAP_SlidePower, .kind = CTRL_SLIDE, .name = "SlidePower", .label = "POWER",
     .top = kSlideTop, .left = kColL, .width = kFullWidth, .height = kSlideHeight,
     .callback = "CBF_SlidePower", .dataType = kU16, .minValue = 0, .maxValue = kPowerMax,
     .initial = 800},

    {.id = PARAP_EditChannelMode, .kind = CTRL_RING, .name = "EditChannelMode",
     .label = "CHANNELS", .top = kRow1, .left = kColL, .width = kColWidth,
     .height = kCtrlHeight, .callback = "CBF_EditChannelMode", .dataType = kU16, .initial = 3,
     .items = kChannelModeItems, .numItems = 3},
    {.id = PARAP_EditAverage, .kind = CTRL_NUMERIC, .name = "EditAverage", .label = "AVERAGE",
     .top = kRow1, .left = kColR, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditAverage", .dataType = kU16, .minValue = 1, .maxValue = kAverageMax,
     .initial = 4},

    {.id = PARAP_Evalmode, .kind = CTRL_RING, .name = "Evalmode", .label = "EVAL MODE",
     .top = kRow1 + kRowStep, .left = kColL, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_Evalmode", .dataType = kU16, .initial = 0, .items = kEvalModeItems,
     .numItems = 2},
    {.id = PARAP_EditHold, .kind = CTRL_NUMERIC, .name = "EditHold", .label = "HOLD [ms]",
     .top = kRow1 + kRowStep, .left = kColR, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditHold", .dataType = kU16, .minValue = 0, .maxValue = kHoldMaxMs,
     .initial = 10},

    {.id = PARAP_EditIntlim, .kind = CTRL_NUMERIC, .name = "EditIntlim", .label = "INT LIMIT",
     .top = kRow1 + 2 * kRowStep, .left = kColL, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditIntlim", .dataType = kU16, .minValue = 0, .maxValue = kIntlimMax,
     .initial = 100},
    {.id = PARAP_EditMaxNo, .kind = CTRL_NUMERIC, .name = "EditMaxNo", .label = "MAXVEC-No.",
     .top = kRow1 + 2 * kRowStep, .left = kColR, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditMaxNo", .dataType = kU16, .minValue = 0, .maxValue = kMaxVectors,
     .initial = 4},

    {.id = PARAP_EditOutmode, .kind = CTRL_RING, .name = "EditOutmode", .label = "OUT MODE",
     .top = kRow1 + 3 * kRowStep, .left = kColL, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditOutmode", .dataType = kU16, .initial = kOutModeBinary,
     .items = kOutModeItems, .numItems = 3},
    {.id = PARAP_EditTrigger, .kind = CTRL_RING, .name = "EditTrigger", .label = "TRIGGER",
     .top = kRow1 + 3 * kRowStep, .left = kColR, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditTrigger", .dataType = kU16, .initial = 0, .items = kTriggerItems,
     .numItems = 3},

    {.id = PARAP_ExternTeach, .kind = CTRL_RING, .name = "ExternTeach",
     .label = "EXTERN TEACH", .top = kRow1 + 4 * kRowStep, .left = kColL,
     .width = kColWidth, .height = kCtrlHeight, .callback = "CBF_ExternTeach",
     .dataType = kU16, .initial = 0, .items = kExternTeachItems, .numItems = 2},

    {.id = PARAP_UnsentNote, .kind = CTRL_TEXT_MSG, .name = "UnsentNote", .label = "",
     .top = kNoteTop, .left = kColR, .width = kColWidth, .height = kNoteHeight,
     .callback = "CBF_UnsentNote", .dataType = VAL_STRING, .initialText = "\u25CF NOT SENT",
     .textColor = kNoteColor, .visible = 0},
};

}  // namespace

extern const PanelDesc kParaPanelDesc = {
    .resourceId = PARAP, .name = "PARAP", .title = "PARAMETER",
    .top = 119, .left = 8, .width = kWidth, .height = kHeight,
    .callback = "CBF_PARAP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
};
