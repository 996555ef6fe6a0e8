// The window's recordings: timed (modes 0 and 1) and triggered (mode 3),
// started from the recorder panel. The loops themselves are record_run.h,
// shared with orvelle-cli; here each frame goes to the record file, the
// graph panel, the displays and the panel's counters.
#include "app/state.h"
#include "gui/graph_panel.h"
#include "gui/live_display.h"
#include "gui/main_graphs.h"
#include "gui/record_end.h"
#include "gui/record_run.h"
#include "gui/recorder.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

int recordCount = 0;  // lines of the continuous recording running, for DispRecordCount

// The controls a timed recording shows but takes no input on.
const int kTimedLocked[] = {RECP_EditInterval, RECP_EditRecVal, RECP_ButtonStartRecord};

void LockTimedControls(int locked)
{
    for (int ctrl : kTimedLocked)
        SetCtrlAttribute(recpanel, ctrl, ATTR_CTRL_MODE, locked ? VAL_INDICATOR : VAL_HOT);
    SetCtrlAttribute(recpanel, RECP_ButtonStartRecord, ATTR_CMD_BUTTON_COLOR,
                     locked ? kRecRunningColor : kRecIdleColor);
}

// The recorded frame: graph panel, displays, main-panel graphs, then its
// line in the record file.
void ShowAndWriteFrame()
{
    SetPanelGraphData();
    SetPanelData();
    ShowGraph();
    WriteRecordLine();
}

int RecordMode()
{
    int mode = 0;
    GetCtrlVal(recpanel, RECP_EditSelectDataRec, &mode);
    return mode;
}

void TimedFrame(int)
{
    ShowAndWriteFrame();
}

// The counters of the mode: lines written and remaining with a count,
// lines so far without one.
void TimedCycle(unsigned cycles, int tookFrame)
{
    const int mode = RecordMode();
    if (mode == kRecFixedCount) {
        if (tookFrame)
            ++otcrec;
        SetCtrlVal(recpanel, RECP_DispRecordedValues, otcrec);
        SetCtrlVal(recpanel, RECP_DispRemaining, static_cast<word>(anzwerte - cycles));
    } else if (mode == kRecContinuous && tookFrame) {
        ++recordCount;
        SetCtrlVal(recpanel, RECP_DispRecordCount, static_cast<double>(recordCount));
    }
}

void TriggeredFrame(int lines)
{
    ShowAndWriteFrame();
    SetCtrlVal(recpanel, RECP_DispRecordCount, static_cast<double>(lines));
}

const RecordHooks kTimedHooks = {TimedFrame, ShowDroppedFrames, TimedCycle};
const RecordHooks kTriggeredHooks = {TriggeredFrame, ShowDroppedFrames, nullptr};

}  // namespace

void Record()
{
    if (ReadRecordFileName() < 0)
        return;
    if (ConfirmPopup(kRecTitle, kRecRightFileText) == 0)
        return;
    MessagePopup(kRecTitle, kRecNotOpenedText);
    LockTimedControls(1);
    ResetLostLines();
    ResetDroppedFrames();
    RecordEnd end;
    RecordFrame(&end);
    ShowRecordEnd(&end);
    LockTimedControls(0);
}

void RecordFrame(RecordEnd *end)
{
    otcrec = 0;
    CalcRecTime();
    recordCount = 0;
    SetCtrlVal(recpanel, RECP_DispRecordCount, 0.0);
    RunTimedRecord(RecordMode() == kRecFixedCount, &kTimedHooks, end);
}

void StartTriggeredRecord()
{
    if (ConfirmPopup(kRecTitle, kRecRightFileText) == 0)
        return;
    SetButtonsDimmed(1);
    if (ReadRecordFileName() < 0) {
        SetButtonsDimmed(0);
        return;
    }
    MessagePopup(kRecTitle, kRecNotOpenedTrigText);
    SetCtrlAttribute(recpanel, RECP_ButtonStartTrigRec, ATTR_CMD_BUTTON_COLOR, kRecRunningColor);
    ResetLostLines();
    ResetDroppedFrames();
    RecordEnd end;
    TriggeredRecord(&end);
    ShowRecordEnd(&end);
    SetCtrlAttribute(recpanel, RECP_ButtonStartTrigRec, ATTR_CMD_BUTTON_COLOR, kRecIdleColor);
    SetButtonsDimmed(0);
}

void TriggeredRecord(RecordEnd *end)
{
    SetCtrlVal(recpanel, RECP_DispRecordCount, 0.0);
    RunTriggeredRecord(&kTriggeredHooks, end);
}

}  // namespace orvelle
