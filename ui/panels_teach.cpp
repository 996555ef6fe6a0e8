// The teach-table panel: the 31 reference vectors of six words each, the
// selected row (No.), auto increment and the teach and reset buttons.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"
#include "ui/work_area_grid.h"

namespace {

using namespace work_area;

constexpr int kNoTop = 26, kNoWidth = 70;
constexpr int kIncLeft = 142;
constexpr int kButtonTop = 60;
constexpr int kTableTop = 116, kTableHeight = 319;
constexpr int kTablePoints = 8;      // six five-digit columns in the work area's width
constexpr int kTableLeft = 4, kTableWidth = kWidth - 2 * kTableLeft;

constexpr int kVectors = 31;         // rows, numbered 0 .. 30 for the operator
constexpr int kWordsPerVector = 6;
constexpr int kWordMax = 65535;
constexpr int kResetCell = 1;        // what a reset writes; also the start table

constexpr int kU16 = VAL_UNSIGNED_SHORT_INTEGER;
constexpr int kButtonGrey = 0xE0E0E0;

const CtrlDesc kCtrls[] = {
    {.id = TTP_EditNo, .kind = CTRL_NUMERIC, .name = "EditNo", .label = "No.:",
     .top = kNoTop, .left = kColL, .width = kNoWidth, .height = kCtrlHeight,
     .callback = "CBF_EditNo", .dataType = kU16, .minValue = 0, .maxValue = kVectors - 1,
     .initial = 0},
    {.id = TTP_RadioInc, .kind = CTRL_BINARY_SWITCH, .name = "RadioInc", .label = "AUTO INC",
     .top = kNoTop, .left = kIncLeft, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_RadioInc", .dataType = kU16, .minValue = 0, .maxValue = 1,
     .initial = 1},

    {.id = TTP_ButtonTeachDataTo, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonTeachDataTo",
     .label = "TEACH DATA TO", .top = kButtonTop, .left = kColL, .width = kColWidth,
     .height = kButtonHeight, .callback = "CBF_ButtonTeachDataTo", .color = kButtonGrey},
    {.id = TTP_ButtonResetTable, .kind = CTRL_COMMAND_BUTTON, .name = "ButtonResetTable",
     .label = "RESET TABLE", .top = kButtonTop, .left = kColR, .width = kColWidth,
     .height = kButtonHeight, .callback = "CBF_ButtonResetTable", .color = kButtonGrey},

    // Set value and tolerance (half-width) for density and both symmetries.
    {.id = TTP_GridCtt, .kind = CTRL_TABLE, .name = "GridCtt", .label = "TEACH TABLE",
     .top = kTableTop, .left = kTableLeft, .width = kTableWidth, .height = kTableHeight,
     .callback = "CBF_GridCtt", .dataType = kU16, .minValue = 0, .maxValue = kWordMax,
     .initial = kResetCell, .pointSize = kTablePoints, .rows = kVectors,
     .columns = kWordsPerVector,
     .columnLabels = "DENS|TOL|SYM1|TOL|SYM2|TOL"},

    {.id = TTP_UnsentNote, .kind = CTRL_TEXT_MSG, .name = "UnsentNote", .label = "",
     .top = kNoteTop, .left = kColR, .width = kColWidth, .height = kNoteHeight,
     .callback = "CBF_UnsentNote", .dataType = VAL_STRING, .initialText = "\u25CF NOT SENT",
     .textColor = kNoteColor, .visible = 0},
};

}  // namespace

extern const PanelDesc kTeachPanelDesc = {
    .resourceId = TTP, .name = "TTP", .title = "TEACH TABLE",
    .top = 119, .left = 8, .width = kWidth, .height = kHeight,
    .callback = "CBF_TTP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
};
