// The recorder panel. The mode selector decides which controls are shown;
// controls that no mode shows together share a place (the two counters, the
// start and stop pairs, the manual record button). The resource starts in
// mode 0, fixed count, with the controls of the other modes hidden.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"
#include "ui/work_area_grid.h"

namespace {

using namespace work_area;


constexpr int kModeTop = 26;
constexpr int kIntervalTop = 78;
// The duration of a mode-0 recording: four fields inside a frame.
constexpr int kTimeFrameTop = 112, kTimeFrameHeight = 62;
constexpr int kTimeTop = 140, kTimeLeft = 18, kTimeWidth = 54, kTimeStep = 60;
constexpr int kCountTop = 202;
constexpr int kStartTop = 236;
constexpr int kFileButtonTop = 280;
constexpr int kDroppedTop = 312;
constexpr int kFileTop = 334, kFileHeight = 40;
constexpr int kIdTop = 398;

constexpr int kWordMax = 65535;
constexpr double kCountMax = 1e9;    // lines of one continuous recording

constexpr int kU16 = VAL_UNSIGNED_SHORT_INTEGER;
constexpr int kButtonGrey = 0xE0E0E0;
constexpr int kAlarmRed = 0xFF0000;

const ListItemDesc kModeItems[] = {
    {"FIXED COUNT", 0},
    {"CONTINUOUS", 1},
    {"MANUAL", 2},
    {"TRIGGERED", 3},
};

// A field of the expected duration.
constexpr CtrlDesc TimeField(int id, const char *name, const char *label, int index)
{
    return {.id = id, .kind = CTRL_NUMERIC, .name = name, .label = label, .top = kTimeTop,
            .left = kTimeLeft + index * kTimeStep, .width = kTimeWidth, .height = kCtrlHeight,
            .callback = "CBF_DispRecordTime", .dataType = kU16, .minValue = 0,
            .maxValue = kWordMax, .mode = VAL_INDICATOR};
}

constexpr CtrlDesc Button(int id, const char *name, const char *label, int top, int left,
                          int width, const char *callback, int visible = 1)
{
    return {.id = id, .kind = CTRL_COMMAND_BUTTON, .name = name, .label = label, .top = top,
            .left = left, .width = width, .height = kButtonHeight, .callback = callback,
            .color = kButtonGrey, .visible = visible};
}

const CtrlDesc kCtrls[] = {
    {.id = RECP_EditSelectDataRec, .kind = CTRL_RING, .name = "EditSelectDataRec",
     .label = "RECORD MODE", .top = kModeTop, .left = kColL, .width = kFullWidth,
     .height = kCtrlHeight, .callback = "CBF_EditSelectDataRec", .dataType = VAL_INTEGER,
     .initial = 0, .items = kModeItems, .numItems = 4},

    {.id = RECP_EditInterval, .kind = CTRL_NUMERIC, .name = "EditInterval",
     .label = "INTERVAL [s]", .top = kIntervalTop, .left = kColL, .width = kColWidth,
     .height = kCtrlHeight, .callback = "CBF_EditInterval", .dataType = kU16, .minValue = 1,
     .maxValue = kWordMax, .initial = 1},
    {.id = RECP_EditRecVal, .kind = CTRL_NUMERIC, .name = "EditRecVal", .label = "VALUES",
     .top = kIntervalTop, .left = kColR, .width = kColWidth, .height = kCtrlHeight,
     .callback = "CBF_EditRecVal", .dataType = kU16, .minValue = 1, .maxValue = kWordMax,
     .initial = 10},

    {.id = RECP_RecordTimeFrame, .kind = CTRL_DECORATION, .name = "RecordTimeFrame",
     .label = "RECORD TIME", .top = kTimeFrameTop, .left = kColL, .width = kFullWidth,
     .height = kTimeFrameHeight, .callback = nullptr},
    TimeField(RECP_DispRecordDays, "DispRecordDays", "DAYS", 0),
    TimeField(RECP_DispRecordHours, "DispRecordHours", "HOURS", 1),
    TimeField(RECP_DispRecordMinutes, "DispRecordMinutes", "MIN", 2),
    TimeField(RECP_DispRecordSeconds, "DispRecordSeconds", "SEC", 3),

    // Modes 0 and 2 count in DispRecordedValues, modes 1 and 3 in DispRecordCount.
    {.id = RECP_DispRecordedValues, .kind = CTRL_NUMERIC, .name = "DispRecordedValues",
     .label = "RECORDED", .top = kCountTop, .left = kColL, .width = kColWidth,
     .height = kCtrlHeight, .callback = "CBF_DispRecordedValues", .dataType = kU16,
     .minValue = 0, .maxValue = kWordMax, .mode = VAL_INDICATOR},
    {.id = RECP_DispRecordCount, .kind = CTRL_NUMERIC, .name = "DispRecordCount",
     .label = "RECORDED", .top = kCountTop, .left = kColL, .width = kColWidth,
     .height = kCtrlHeight, .callback = nullptr, .dataType = VAL_DOUBLE, .minValue = 0,
     .maxValue = kCountMax, .mode = VAL_INDICATOR, .visible = 0, .precision = 0},
    {.id = RECP_DispRemaining, .kind = CTRL_NUMERIC, .name = "DispRemaining",
     .label = "REMAINING", .top = kCountTop, .left = kColR, .width = kColWidth,
     .height = kCtrlHeight, .callback = "CBF_DispRemaining", .dataType = kU16,
     .minValue = 0, .maxValue = kWordMax, .mode = VAL_INDICATOR},

    Button(RECP_ButtonStartRecord, "ButtonStartRecord", "START", kStartTop, kColL, kColWidth,
           "CBF_ButtonStartRecord"),
    Button(RECP_ButtonStopRecord, "ButtonStopRecord", "STOP", kStartTop, kColR, kColWidth,
           "CBF_ButtonStopRecord"),
    Button(RECP_ButtonStartTrigRec, "ButtonStartTrigRec", "START TRIG", kStartTop, kColL,
           kColWidth, "CBF_ButtonStartTrigRec", 0),
    Button(RECP_ButtonStopTrigRec, "ButtonStopTrigRec", "STOP TRIG", kStartTop, kColR,
           kColWidth, "CBF_ButtonStopTrigRec", 0),
    Button(RECP_ButtonManualRecord, "ButtonManualRecord", "RECORD FRAME", kStartTop, kColL,
           kFullWidth, "CBF_ButtonManualRecord", 0),

    Button(RECP_ButtonSelRecFile, "ButtonSelRecFile", "SELECT FILE", kFileButtonTop, kColL,
           kColWidth, "CBF_ButtonSelRecFile"),
    // Beside the file button: how many lines could not be written.
    {.id = RECP_DispLostLines, .kind = CTRL_TEXT_MSG, .name = "DispLostLines", .label = "",
     .top = kFileButtonTop, .left = kColR, .width = kColWidth, .height = kButtonHeight,
     .callback = nullptr, .dataType = VAL_STRING, .initialText = "", .textColor = kAlarmRed,
     .visible = 0},
    // In the same place: the backup of a record file that was started anew.
    {.id = RECP_DispBackupNote, .kind = CTRL_TEXT_MSG, .name = "DispBackupNote", .label = "",
     .top = kFileButtonTop - 4, .left = kColR, .width = kColWidth, .height = kButtonHeight + 8,
     .callback = nullptr, .dataType = VAL_STRING, .initialText = "", .visible = 0},
    // Below them: how many replies or frames were not whole data frames.
    {.id = RECP_DispDropped, .kind = CTRL_TEXT_MSG, .name = "DispDropped", .label = "",
     .top = kDroppedTop, .left = kColR, .width = kColWidth, .height = kCtrlHeight,
     .callback = nullptr, .dataType = VAL_STRING, .initialText = "", .textColor = kAlarmRed,
     .visible = 0},
    // The first line is the file every recording writes to.
    {.id = RECP_DispRecFile, .kind = CTRL_TEXT_BOX, .name = "DispRecFile",
     .label = "RECORD FILE", .top = kFileTop, .left = kColL, .width = kFullWidth,
     .height = kFileHeight, .callback = "CBF_DispRecFile", .dataType = VAL_STRING,
     .initialText = "record.dat"},
    {.id = RECP_DispID, .kind = CTRL_STRING, .name = "DispID", .label = "SENSOR ID",
     .top = kIdTop, .left = kColL, .width = kFullWidth, .height = kCtrlHeight,
     .callback = nullptr, .dataType = VAL_STRING, .initialText = "", .mode = VAL_INDICATOR},
};

}  // namespace

extern const PanelDesc kRecorderPanelDesc = {
    .resourceId = RECP, .name = "RECP", .title = "RECORDER",
    .top = 119, .left = 8, .width = kWidth, .height = kHeight,
    .callback = "CBF_RECP", .ctrls = kCtrls, .numCtrls = sizeof kCtrls / sizeof kCtrls[0],
};
