// Callbacks of the main panel: the work-area selectors, the transfer target,
// Send and Get, Go and Stop, and the close of the program's window.
#include <initializer_list>

#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/orvelle.h"
#include "app/state.h"
#include "gui/connection_settings.h"
#include "gui/param_file.h"
#include "gui/param_transfer.h"
#include "gui/polling.h"
#include "gui/transfer_status.h"
#include "gui/unsent_changes.h"
#include "gui/work_area.h"
#include "gui/link_test.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr double kAfterSendPauseS = 0.5;  // before the controls come back

// One of the three target buttons changed: it is on afterwards in any case,
// the other two are off, and target follows it.
void SelectTarget(int control, int code)
{
    int on = 0;
    GetCtrlVal(mainpanel, control, &on);
    target = static_cast<word>(code);
    SetCtrlVal(mainpanel, control, 1);
    if (on) {
        for (int other : {MAINP_SelectRAM, MAINP_SelectEEPROM, MAINP_SelectFILE})
            if (other != control)
                SetCtrlVal(mainpanel, other, 0);
    }
}

}  // namespace

int PressMainWindowKey(int keyCode)
{
    int ctrl = 0;
    GetPanelAttribute(mainpanel, ATTR_PANEL_FIRST_CTRL, &ctrl);
    for (; ctrl > 0; GetCtrlAttribute(mainpanel, ctrl, ATTR_NEXT_CTRL, &ctrl)) {
        int key = 0, dimmed = 0, visible = 0;
        GetCtrlAttribute(mainpanel, ctrl, ATTR_SHORTCUT_KEY, &key);
        if (key == 0 || key != keyCode)
            continue;
        GetCtrlAttribute(mainpanel, ctrl, ATTR_DIMMED, &dimmed);
        GetCtrlAttribute(mainpanel, ctrl, ATTR_VISIBLE, &visible);
        CtrlCallbackPtr callback = nullptr;
        GetCtrlAttribute(mainpanel, ctrl, ATTR_CALLBACK_FUNCTION_POINTER, &callback);
        if (dimmed || !visible || !callback)
            return 0;
        callback(mainpanel, ctrl, EVENT_COMMIT, nullptr, 0, 0);
        return 1;
    }
    return 0;
}

int CBF_MAINP(int, int, int event, void *, int, int)
{
    if (event == EVENT_CLOSE)
        CloseMainWindow();
    return 0;
}

int CBF_ButtonPara(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        ShowChildPanel(kWorkPara);
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonPara);
    return 0;
}

int CBF_ButtonTeachTable(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        ShowChildPanel(kWorkTeachTable);
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonTeachTable);
    return 0;
}

int CBF_ButtonConnect(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        poll = 0;
        TakeOldConnectionSettings();
        ShowChildPanel(kWorkInterface);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonConnect);
    }
    return 0;
}

int CBF_SelectRAM(int, int control, int event, void *, int, int)
{
    if (event == EVENT_VAL_CHANGED)
        SelectTarget(control, RAM);
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoSelectMEM);
    return 0;
}

int CBF_SelectEEPROM(int, int control, int event, void *, int, int)
{
    if (event == EVENT_VAL_CHANGED)
        SelectTarget(control, EEPROM);
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoSelectMEM);
    return 0;
}

int CBF_SelectFILE(int, int control, int event, void *, int, int)
{
    if (event == EVENT_VAL_CHANGED)
        SelectTarget(control, DATFILE);
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoSelectMEM);
    return 0;
}

int CBF_ButtonSend(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        SetButtonsDimmed(1);
        if (target == DATFILE) {
            SendParaToFile();
        } else {
            SendPara();
            ReportSensorTransfer(1);
        }
        if (!quitting)
            PauseProcessingEvents(kAfterSendPauseS);
        SetButtonsDimmed(0);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonSend);
    }
    return 0;
}

int CBF_ButtonGet(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        if (target != DATFILE &&
            !AskBeforeReplacingUnsent(target == EEPROM ? "GET reads the sensor's EEPROM"
                                                       : "GET reads the sensor's RAM",
                                      "No leaves the panels as they are and asks the sensor "
                                      "nothing.")) {
            ShowTransferStatus("GET not done: the panels keep what was not sent", 0);
            return 0;
        }
        SetButtonsDimmed(1);
        if (target == DATFILE) {
            ReadParaFromFile();
        } else {
            GetPara();
            ReportSensorTransfer(0);
        }
        SetButtonsDimmed(0);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonGet);
    }
    return 0;
}

int CBF_ButtonGo(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        SetButtonsDimmed(1);
        GetData();
        SetButtonsDimmed(0);
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonGo);
    }
    return 0;
}

int CBF_ButtonStop(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        poll = 0;
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonStop);
    return 0;
}

}  // namespace orvelle
