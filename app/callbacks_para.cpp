// Callbacks of the parameter panel. Editing sends nothing; the values go out
// with the next Send, and until then the panel is marked as not sent.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/panel_binding.h"
#include "gui/unsent_changes.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

int CBF_PARAP(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_Evalmode(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        InitEval();
        UpdateUnsentMarks();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditEvalmode);
    }
    return 0;
}

int CBF_EditChannelMode(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        InitChannelMode();
        UpdateUnsentMarks();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditChannelMode);
    }
    return 0;
}

int CBF_ExternTeach(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        InitExteach();
        UpdateUnsentMarks();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditEvalmode);
    }
    return 0;
}

int CBF_EditTrigger(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        InitTrigger();
        UpdateUnsentMarks();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditTrigger);
    }
    return 0;
}

int CBF_EditMaxNo(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        GetCtrlVal(parapanel, PARAP_EditMaxNo, &paraMaxNr);
        GetCtrlVal(parapanel, PARAP_EditOutmode, &paraOutMode);
        CheckVectorCount();
        ColourTeachRows();
        UpdateUnsentMarks();
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
        UpdateUnsentMarks();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoEditOutmode);
    }
    return 0;
}

// A value that only goes out with the next Send: its change is marked.
#define ORVELLE_SENT_LATER_CALLBACK(name, text)                            \
    int name(int, int, int event, void *, int, int)                        \
    {                                                                      \
        if (event == EVENT_COMMIT)                                         \
            UpdateUnsentMarks();                                           \
        else if (event == EVENT_RIGHT_CLICK)                               \
            ShowHelp(text);                                                \
        return 0;                                                          \
    }

ORVELLE_SENT_LATER_CALLBACK(CBF_EditAverage, InfoEditAverage)
ORVELLE_SENT_LATER_CALLBACK(CBF_EditIntlim, InfoEditIntlim)
ORVELLE_SENT_LATER_CALLBACK(CBF_EditHold, InfoEditHold)
ORVELLE_SENT_LATER_CALLBACK(CBF_SlidePower, InfoEditPower)

// The note on the parameter panel and the teach table.
ORVELLE_HELP_CALLBACK(CBF_UnsentNote, InfoUnsentNote)

}  // namespace orvelle
