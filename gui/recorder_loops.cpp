// The recording loops: timed (modes 0 and 1) and triggered (mode 3).
#include "app/state.h"
#include "com232/conversions.h"
#include "com232/frame.h"
#include "com232/frame_stream.h"
#include "com232/transport.h"
#include "gui/graph_panel.h"
#include "gui/link_test.h"
#include "gui/live_display.h"
#include "gui/main_graphs.h"
#include "gui/polling.h"
#include "gui/work_area.h"
#include "gui/recorder.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

// A triggered recording has no time limit; between frames it sleeps until
// the next event, waking at least this often, s.
constexpr double kTriggerIdleWakeS = 0.25;

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
    RecordFrame();
    ShowRecordEnd();
    LockTimedControls(0);
}

void RecordFrame()
{
    poll = 1;
    otcrec = 0;
    CalcRecTime();
    double n = 0;
    SetCtrlVal(recpanel, RECP_DispRecordCount, n);
    while (poll == 1) {
        recstart = Timer();
        order = kCmdReadData;
        FillTxBuf(order, 0, 0, 0);
        GetDataFrame();
        if (bytesToRead != 0) {
            // No line: the file must not hold the last frame's values under
            // a new time.
            SetPopupTimeout();
            break;
        }
        TakeRecordedFrame();
        WriteRecordLine();
        int mode = 0;
        GetCtrlVal(recpanel, RECP_EditSelectDataRec, &mode);
        if (mode == kRecFixedCount) {
            ++otcrec;
            SetCtrlVal(recpanel, RECP_DispRecordedValues, otcrec);
            SetCtrlVal(recpanel, RECP_DispRemaining, static_cast<word>(anzwerte - otcrec));
            if (otcrec == anzwerte)
                poll = 0;
        } else if (mode == kRecContinuous) {
            n += 1;
            SetCtrlVal(recpanel, RECP_DispRecordCount, n);
        }
        SlowDown();
    }
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
    TriggeredRecord();
    StopAutoSend();
    ShowRecordEnd();
    SetCtrlAttribute(recpanel, RECP_ButtonStartTrigRec, ATTR_CMD_BUTTON_COLOR, kRecIdleColor);
    SetButtonsDimmed(0);
}

void TriggeredRecord()
{
    order = kCmdAutoSend;
    FillTxBuf(order, 1, 0, 0);
    OpenLinkStream();
    SendFrame(kTcpWriteTimeoutMs);
    double n = 0;
    SetCtrlVal(recpanel, RECP_DispRecordCount, n);
    poll = 1;
    while (poll == 1) {
        ProcessSystemEventsUntil(Timer() + kTriggerIdleWakeS);
        if (ReadLinkStream() < 0) {
            // Port or connection gone: nothing more can come.
            SetPopupTimeout();
            break;
        }
        // Every whole frame that has arrived, also several at once; bytes
        // that are not a frame are dropped by TakeFrame.
        while (TakeFrame(szStreamBuf, &streamLen, szReadBuf) == 1) {
            TakeRecordedFrame();
            WriteRecordLine();
            n += 1;
            SetCtrlVal(recpanel, RECP_DispRecordCount, n);
        }
    }
    CloseLinkStream();
}

}  // namespace orvelle
