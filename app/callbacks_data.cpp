// Callbacks of the data panel, its graphs and the big display.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/live_display.h"
#include "platform/userint/userint.h"

namespace orvelle {

int CBF_DATAP(int, int, int, void *, int, int)
{
    return 0;
}

// Closing the big display or a right click anywhere on it hides it. The
// main window's keys work here too: F12 stops the polling it shows.
int CBF_COLBIGP(int, int, int event, void *, int keyCode, int)
{
    if (event == EVENT_CLOSE || event == EVENT_RIGHT_CLICK)
        HidePanel(colbigpanel);
    else if (event == EVENT_KEYPRESS)
        return PressMainWindowKey(keyCode);
    return 0;
}

int CBF_SelectSource(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        DispVis();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoSelectSource);
    return 0;
}

int CBF_DispVec(int, int, int event, void *, int, int)
{
    if (event == EVENT_LEFT_DOUBLE_CLICK)
        DisplayPanel(colbigpanel);
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoDispVec);
    return 0;
}

int CBF_GraphDensity(int, int, int event, void *, int, int)
{
    if (event == EVENT_LEFT_CLICK)
        scale = 0;
    else if (event == EVENT_LEFT_DOUBLE_CLICK)
        scale = 1;
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoGraphDensity);
    return 0;
}

int CBF_DispSym2(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpInfo(InfoDispSym2);
    return 0;
}

int CBF_GraphSym1(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpInfo(InfoGraphSym1);
    return 0;
}

int CBF_GraphSym2(int, int, int event, void *, int, int)
{
    if (event == EVENT_RIGHT_CLICK)
        ShowHelpInfo(InfoGraphSym2);
    return 0;
}

ORVELLE_HELP_CALLBACK(CBF_DispChL, InfoDispRaw)
ORVELLE_HELP_CALLBACK(CBF_DispChC, InfoDispRaw)
ORVELLE_HELP_CALLBACK(CBF_DispChR, InfoDispRaw)
ORVELLE_HELP_CALLBACK(CBF_BarChL, InfoDispBars)
ORVELLE_HELP_CALLBACK(CBF_BarChC, InfoDispBars)
ORVELLE_HELP_CALLBACK(CBF_BarChR, InfoDispBars)
ORVELLE_HELP_CALLBACK(CBF_DispDensity, InfoDispDensity)
ORVELLE_HELP_CALLBACK(CBF_DispSym1, InfoDispSym1)
ORVELLE_HELP_CALLBACK(CBF_DispAktMaxChL, InfoDispAktMaxRaw)
ORVELLE_HELP_CALLBACK(CBF_DispAktMaxChC, InfoDispAktMaxRaw)
ORVELLE_HELP_CALLBACK(CBF_DispAktMaxChR, InfoDispAktMaxRaw)
ORVELLE_HELP_CALLBACK(CBF_DispStatus, InfoStatus)
ORVELLE_HELP_CALLBACK(CBF_GraphRaw1, InfoGraph)

}  // namespace orvelle
