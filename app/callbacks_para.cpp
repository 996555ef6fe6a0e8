// Callbacks of the parameter panel. Editing sends nothing; the values go out
// with the next Send.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/panel_binding.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

int CBF_PARAP(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_Evalmode(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        InitEval();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditEvalmode);
    return 0;
}

int CBF_EditChannelMode(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        InitChannelMode();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditChannelMode);
    return 0;
}

int CBF_ExternTeach(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        InitExteach();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditEvalmode);
    return 0;
}

int CBF_EditTrigger(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        InitTrigger();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditTrigger);
    return 0;
}

int CBF_EditMaxNo(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        GetCtrlVal(parapanel, PARAP_EditMaxNo, &paraMaxNr);
        GetCtrlVal(parapanel, PARAP_EditOutmode, &paraOutMode);
        CheckVectorCount();
        ColourTeachRows();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditMaxcolNo);
    }
    return 0;
}

int CBF_EditOutmode(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        GetCtrlVal(parapanel, PARAP_EditMaxNo, &paraMaxNr);
        GetCtrlVal(parapanel, PARAP_EditOutmode, &paraOutMode);
        CheckVectorCount();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditOutmode);
    }
    return 0;
}

ORVELLE_HELP_CALLBACK(CBF_EditAverage, InfoEditAverage)
ORVELLE_HELP_CALLBACK(CBF_EditIntlim, InfoEditIntlim)
ORVELLE_HELP_CALLBACK(CBF_EditHold, InfoEditHold)
ORVELLE_HELP_CALLBACK(CBF_SlidePower, InfoEditPower)

}  // namespace orvelle
