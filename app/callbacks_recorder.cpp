// Callbacks of the recorder panel and the graph panel.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/graph_panel.h"
#include "gui/polling.h"
#include "gui/record_view.h"
#include "gui/recorder.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

int RecordMode()
{
    int mode = 0;
    GetCtrlVal(recpanel, RECP_EditSelectDataRec, &mode);
    return mode;
}

}  // namespace

int CBF_ButtonRecorder(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        InitRecordPanel();
        if (RecordMode() == kRecFixedCount)
            CalcRecTime();
        ShowChildPanel(kWorkRecorder);
    }
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonOpenRecorder);
    return 0;
}

// Leaving the recorder switches the sensor's automatic sending off.
int CBF_RECP(int, int, int event, void *, int, int)
{
    if (event == EVENT_CLOSE)
        StopAutoSend();
    return 0;
}

int CBF_ButtonStopRecord(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        poll = 0;
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonStopRecord);
    return 0;
}

int CBF_ButtonStopTrigRec(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        poll = 0;
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonStopRecord);
    return 0;
}

// A new mode ends a running loop, clears the graph panel and shows the
// mode's controls; mode 2 starts its count anew.
int CBF_EditSelectDataRec(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        poll = 0;
        const int mode = RecordMode();
        if (mode == kRecManual) {
            otcrec = 0;
            SetCtrlVal(recpanel, RECP_DispRecordedValues, otcrec);
            ResetLostLines();
        } else if (mode == kRecFixedCount) {
            CalcRecTime();
        }
        InitPanelGraph();
        InitRecordPanel();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditSelDataRec);
    }
    return 0;
}

int CBF_EditInterval(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        CalcRecTime();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditInterval);
    return 0;
}

int CBF_EditRecVal(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        CalcRecTime();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditRecVal);
    return 0;
}

int CBF_ButtonSelRecFile(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        SelRecFile();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonSelRecFile);
    return 0;
}

int CBF_ButtonStartRecord(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        SetButtonsDimmed(1);
        InitPanelGraph();
        Record();
        SetButtonsDimmed(0);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonStartRecord);
    }
    return 0;
}

int CBF_ButtonStartTrigRec(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        StartTriggeredRecord();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonStartRecord);
    return 0;
}

int CBF_ButtonManualRecord(int, int control, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        SetCtrlAttribute(recpanel, control, ATTR_DIMMED, 1);
        RecordManually();
        SetCtrlAttribute(recpanel, control, ATTR_DIMMED, 0);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonManualRecord);
    }
    return 0;
}

ORVELLE_HELP_CALLBACK(CBF_DispRecordTime, InfoDispRecordTime)
ORVELLE_HELP_CALLBACK(CBF_DispRecordedValues, InfoDispRecordedValues)
ORVELLE_HELP_CALLBACK(CBF_DispRemaining, InfoDispRemaining)
ORVELLE_HELP_CALLBACK(CBF_DispRecFile, InfoDisRecFile)

// ---- graph panel: it takes the data panel's place while shown ----

int CBF_GRAPHP(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_ButtonShowGraph(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        DisplayPanel(graphpanel);
        HidePanel(datapanel);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonShowGraph);
    }
    return 0;
}

int CBF_ButtonGpClose(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        DisplayPanel(datapanel);
        HidePanel(graphpanel);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonClosePanel);
    }
    return 0;
}

int CBF_EditSignal(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        SetGraphVisible();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditSignal);
    return 0;
}

ORVELLE_HELP_CALLBACK(CBF_PanelGraphGraph, InfoGraphPanel)

// ---- graph panel: a record file in place of the recorded frames ----

int CBF_ButtonOpenRecord(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        OpenRecordView();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonOpenRecord);
    return 0;
}

int CBF_ButtonLive(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        ShowRecordedFrames();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonLive);
    return 0;
}

int CBF_ShowRecordSignal(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        ShowRecordSignals();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoShowRecordSignal);
    return 0;
}

// The pointer moved cursor 1.
int CBF_GraphRecord(int, int, int event, void *, int, int)
{
    if (event == EVENT_VAL_CHANGED)
        ShowRecordCursor();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoGraphRecord);
    return 0;
}

int CBF_ButtonSavePicture(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        SaveRecordPicture();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonSavePicture);
    return 0;
}

int CBF_ButtonSaveLines(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        SaveRecordLines();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonSaveLines);
    return 0;
}

ORVELLE_HELP_CALLBACK(CBF_RecordValue, InfoRecordValue)

}  // namespace orvelle
