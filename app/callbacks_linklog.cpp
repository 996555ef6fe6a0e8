// Callbacks of the link log: its key on the main window and the interface
// panel, the window's close, pause and save, and its refresh timer.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/link_log_window.h"
#include "platform/userint/userint.h"

namespace orvelle {

int CBF_ButtonLinkLog(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        OpenLinkLog();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonLinkLog);
    return 0;
}

// Closing the window stops the keeping of lines. The main window's keys
// work here too.
int CBF_LINKLOGP(int, int, int event, void *, int keyCode, int)
{
    if (event == EVENT_CLOSE)
        CloseLinkLog();
    else if (event == EVENT_KEYPRESS)
        return PressMainWindowKey(keyCode);
    return 0;
}

int CBF_ButtonPauseLog(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        RefreshLinkLog();  // released: what came meanwhile shows at once
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonPauseLog);
    return 0;
}

int CBF_ButtonSaveLog(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        SaveLinkLog();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoButtonSaveLog);
    return 0;
}

int CBF_LinkLogTimer(int, int, int event, void *, int, int)
{
    if (event == EVENT_TIMER_TICK)
        RefreshLinkLog();
    return 0;
}

}  // namespace orvelle
