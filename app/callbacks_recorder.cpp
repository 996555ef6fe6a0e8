// Callbacks of the recorder panel and the graph panel.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/polling.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"

namespace orvelle {

int CBF_ButtonRecorder(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        ShowChildPanel(kWorkRecorder);
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

ORVELLE_HELP_CALLBACK(CBF_EditSelectDataRec, InfoEditSelDataRec)
ORVELLE_HELP_CALLBACK(CBF_EditInterval, InfoEditInterval)
ORVELLE_HELP_CALLBACK(CBF_EditRecVal, InfoEditRecVal)
ORVELLE_HELP_CALLBACK(CBF_DispRecordTime, InfoDispRecordTime)
ORVELLE_HELP_CALLBACK(CBF_DispRecordedValues, InfoDispRecordedValues)
ORVELLE_HELP_CALLBACK(CBF_DispRemaining, InfoDispRemaining)
ORVELLE_HELP_CALLBACK(CBF_ButtonStartRecord, InfoButtonStartRecord)
ORVELLE_HELP_CALLBACK(CBF_ButtonStartTrigRec, InfoButtonStartRecord)
ORVELLE_HELP_CALLBACK(CBF_ButtonManualRecord, InfoButtonManualRecord)
ORVELLE_HELP_CALLBACK(CBF_ButtonSelRecFile, InfoButtonSelRecFile)
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

ORVELLE_HELP_CALLBACK(CBF_EditSignal, InfoEditSignal)
ORVELLE_HELP_CALLBACK(CBF_PanelGraphGraph, InfoGraphPanel)

}  // namespace orvelle
