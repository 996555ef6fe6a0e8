// Callbacks of the teach-table panel.
#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/teach_table.h"
#include "gui/unsent_changes.h"
#include "platform/userint/userint.h"

namespace orvelle {

int CBF_TTP(int, int, int, void *, int, int)
{
    return 0;
}

int CBF_ButtonTeachDataTo(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        TeachDataTo();
        SetToleranceRangeSymmetry();
        UpdateUnsentMarks();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonTeachDataTo);
    }
    return 0;
}

int CBF_ButtonResetTable(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT) {
        ResetTable();
        UpdateUnsentMarks();
    } else if (event == EVENT_RIGHT_CLICK) {
        ShowHelp(InfoButtonResetTable);
    }
    return 0;
}

int CBF_EditNo(int, int, int event, void *, int, int)
{
    if (event == EVENT_COMMIT)
        SetToleranceRangeSymmetry();
    else if (event == EVENT_RIGHT_CLICK)
        ShowHelp(InfoEditNo);
    return 0;
}

ORVELLE_HELP_CALLBACK(CBF_RadioInc, InfoRadioInc)

// An operator's edit of a cell ends live polling after the current frame
// and is marked as not sent; values the program writes raise no event and
// leave it running.
int CBF_GridCtt(int, int, int event, void *, int, int)
{
    if (event == EVENT_VAL_CHANGED) {
        poll = 0;
        UpdateUnsentMarks();
    }
    return 0;
}

}  // namespace orvelle
