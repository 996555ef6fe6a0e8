// The test seam: operator events injected into the same dispatch a widget
// uses, popups answered from a script with a log of what was shown, and
// scripted file selection. Production code never calls these.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

namespace uitest {

// Sends an event to a control's (control > 0) or panel's (control 0)
// callback exactly as the widget would. Returns the callback's result.
int InjectEvent(int panel, int control, int event, int eventData1 = 0, int eventData2 = 0);
// The operator enters a value: sets it, then sends value changed and commit,
// as typing into the real widget does.
int OperatorSetValue(int panel, int control, double value);
int OperatorSetValue(int panel, int control, int value);  // so that 0 is a number
int OperatorSetValue(int panel, int control, const char *text);
int OperatorSetCell(int panel, int control, int column, int row, double value);

// Popups: while scripted, no dialog appears. Message popups are logged and
// return at once; confirm popups take the next scripted answer (yes when the
// script is empty); file selections take the next scripted path (a cancel
// when the script is empty or the path is empty).
struct PopupRecord {
    std::string kind;   // "message", "confirm", "file"
    std::string title;
    std::string text;   // a file selection's: its default file name
    std::string folder; // a file selection's: the folder it opens in
};
void ScriptPopups(bool on);
bool PopupsScripted();
void PushConfirmAnswer(int answer);
void PushFileSelection(const std::string &path);  // "" cancels
const std::vector<PopupRecord> &PopupLog();
void ClearPopupLog();

// The real widget behind a panel or control, for QTest clicks and grabs.
QWidget *PanelWidget(int panel);
QWidget *CtrlWidget(int panel, int control);
// The ids of every control of a panel, those made at run time included.
std::vector<int> CtrlIds(int panel);

// Graph introspection.
struct PlotInfo {
    int handle;
    std::string kind;             // "xy" or "rect"
    std::vector<double> x, y;     // xy: the points; rect: x1, x2 / y1, y2
    int color;
    int fillColor;
};
std::vector<PlotInfo> GraphPlots(int panel, int control);
// Strip chart: the values on screen of one trace, oldest first.
std::vector<double> StripChartTrace(int panel, int control, int trace);

// Discards every panel and resets the event-loop state between tests.
void ResetUserInterface();

}  // namespace uitest
