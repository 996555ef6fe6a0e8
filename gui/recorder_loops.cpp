// The recording loops: timed (modes 0 and 1) and triggered (mode 3).
#include <algorithm>
#include <cstdio>

#include "app/state.h"
#include "com232/conversions.h"
#include "com232/frame.h"
#include "com232/frame_stream.h"
#include "com232/link_log.h"
#include "com232/link_reason.h"
#include "com232/transport.h"
#include "gui/graph_panel.h"
#include "gui/link_test.h"
#include "gui/live_display.h"
#include "gui/main_graphs.h"
#include "gui/polling.h"
#include "gui/record_end.h"
#include "gui/recorder.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

// A triggered recording has no time limit; between frames it sleeps until
// the next event, waking at least this often, s.
constexpr double kTriggerIdleWakeS = 0.25;
// After automatic sending is switched off, how long the last frames may take
// to arrive and the line to fall quiet, s: a frame at 19200 baud takes 19 ms.
constexpr double kTriggerSettleS = 0.1;

// The controls a timed recording shows but takes no input on.
const int kTimedLocked[] = {RECP_EditInterval, RECP_EditRecVal, RECP_ButtonStartRecord};

void LockTimedControls(int locked)
{
    for (int ctrl : kTimedLocked)
        SetCtrlAttribute(recpanel, ctrl, ATTR_CTRL_MODE, locked ? VAL_INDICATOR : VAL_HOT);
    SetCtrlAttribute(recpanel, RECP_ButtonStartRecord, ATTR_CMD_BUTTON_COLOR,
                     locked ? kRecRunningColor : kRecIdleColor);
}

// The frame now in szReadBuf becomes the measurement: graph panel, displays,
// main-panel graphs.
void TakeRecordedFrame()
{
    GetRxBufData();
    CopyDatatoVars();
    SetPanelGraphData();
    SetPanelData();
    ShowGraph();
}

int RecordMode()
{
    int mode = 0;
    GetCtrlVal(recpanel, RECP_EditSelectDataRec, &mode);
    return mode;
}

// Lines, losses and drops of the recording into its account.
void CloseAccount(RecordEnd *end, int lines)
{
    end->lost = reclost;
    end->written = lines - reclost;
    end->dropped = recdropped;
}

// The triggered recording's progress between its steps.
struct TriggerRun {
    int dropRun;   // bytes dropped since the last frame taken (TakeFrame)
    int lines;     // frames taken for a line
};

// Takes every frame the stream can decide now, with the line in state line;
// each frame is written and shown, each drop counted and logged.
void TakeArrivedFrames(int line, TriggerRun *run)
{
    char why[kReasonBytes];
    for (;;) {
        const int step =
            TakeFrame(szStreamBuf, &streamLen, line, &run->dropRun, szReadBuf, why, sizeof why);
        if (step == kStreamWait)
            return;
        if (step == kStreamFrame) {
            TakeRecordedFrame();
            WriteRecordLine();
            ++run->lines;
            SetCtrlVal(recpanel, RECP_DispRecordCount, static_cast<double>(run->lines));
        } else {
            LogNote(why);
            if (step == kStreamDropped)
                CountDroppedFrame();
        }
    }
}

// The end of a triggered recording: what has arrived is taken, automatic
// sending goes off, and the frames still on their way are decided once the
// line has fallen quiet (at most kTriggerSettleS); what stays undecided is
// dropped. alive is false once the link is gone.
void FinishTriggeredRecord(bool alive, TriggerRun *run)
{
    char why[kReasonBytes];
    alive = alive && ReadLinkStream(why, sizeof why) >= 0;
    if (alive)
        TakeArrivedFrames(StreamLineState(), run);
    StopAutoSend();
    const double until = Timer() + kTriggerSettleS;
    while (alive && streamLen > 0 && StreamLineState() == kLineBusy && Timer() < until) {
        ProcessSystemEventsUntil(std::min(until, NextStreamLook(kTriggerSettleS)));
        alive = ReadLinkStream(why, sizeof why) >= 0;
        if (alive)
            TakeArrivedFrames(StreamLineState(), run);
    }
    if (alive)
        TakeArrivedFrames(StreamLineState(), run);
    TakeArrivedFrames(kLineEnded, run);
}

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
    ClearRecordEnd(end);
    poll = 1;
    otcrec = 0;
    CalcRecTime();
    double n = 0;
    SetCtrlVal(recpanel, RECP_DispRecordCount, n);
    if (RecordMode() == kRecFixedCount)
        end->asked = anzwerte;
    word cycles = 0;
    int lines = 0;
    while (poll == 1) {
        recstart = Timer();
        order = kCmdReadData;
        FillTxBuf(order, 0, 0, 0);
        char why[kReasonBytes];
        const int outcome = GetDataFrame(why, sizeof why);
        if (outcome == kDataMissing) {
            // No line: the file must not hold the last frame's values under
            // a new time.
            std::snprintf(end->why, sizeof end->why, "%s", szReason);
            SetPopupTimeout();
            break;
        }
        // A reply that came but is no data frame costs this cycle only.
        if (outcome == kDataFrame) {
            TakeRecordedFrame();
            WriteRecordLine();
            ++lines;
        } else {
            NoteFailure(why);
            CountDroppedFrame();
        }
        const int mode = RecordMode();
        if (mode == kRecFixedCount) {
            ++cycles;
            if (outcome == kDataFrame)
                ++otcrec;
            SetCtrlVal(recpanel, RECP_DispRecordedValues, otcrec);
            SetCtrlVal(recpanel, RECP_DispRemaining, static_cast<word>(anzwerte - cycles));
            if (cycles == anzwerte)
                poll = 0;
        } else if (mode == kRecContinuous && outcome == kDataFrame) {
            n += 1;
            SetCtrlVal(recpanel, RECP_DispRecordCount, n);
        }
        SlowDown();
    }
    CloseAccount(end, lines);
}

void SlowDown()
{
    tdiff = 0;
    while (static_cast<double>(zeitint) > tdiff) {
        tdiff = Timer() - recstart;
        // Sleeps until an event or the end of the interval, so the wait
        // costs next to no processor time.
        ProcessSystemEventsUntil(recstart + zeitint);
        if (poll == 0)
            return;
    }
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
    ClearRecordEnd(end);
    order = kCmdAutoSend;
    FillTxBuf(order, 1, 0, 0);
    OpenLinkStream();
    SendFrame(kTcpWriteTimeoutMs);
    TriggerRun run = {0, 0};
    SetCtrlVal(recpanel, RECP_DispRecordCount, 0.0);
    poll = 1;
    bool alive = true;
    while (poll == 1) {
        ProcessSystemEventsUntil(NextStreamLook(kTriggerIdleWakeS));
        if (ReadLinkStream(end->why, sizeof end->why) < 0) {
            // Port or connection gone: nothing more can come.
            NoteFailure(end->why);
            SetPopupTimeout();
            alive = false;
            break;
        }
        TakeArrivedFrames(StreamLineState(), &run);
    }
    FinishTriggeredRecord(alive, &run);
    CloseLinkStream();
    CloseAccount(end, run.lines);
}

}  // namespace orvelle
