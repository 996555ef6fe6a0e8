#include "gui/param_transfer.h"

#include "app/state.h"
#include "com232/conversions.h"
#include "gui/panel_binding.h"
#include "gui/unsent_changes.h"

namespace orvelle {

void SendPara()
{
    poll = 0;
    GetPanelValues();
    CopyVarsToPP();
    if (WriteParaSet(pp, target == EEPROM) == 0)
        TakeSentSet(pp);
}

void GetPara()
{
    word image[kSetWords];
    VarsToImage(image);
    const int read = ReadParaSet(target == EEPROM, image);
    ImageToVars(image);
    if (read < 0)
        return;
    SetPanelValues();
    InitEval();
    InitChannelMode();
    TakeShownSet();
}

}  // namespace orvelle
