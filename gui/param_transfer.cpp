#include "gui/param_transfer.h"

#include "app/state.h"
#include "com232/conversions.h"
#include "gui/panel_binding.h"

namespace orvelle {

void SendPara()
{
    poll = 0;
    GetPanelValues();
    CopyVarsToPP();
    WriteParaSet(pp, target == EEPROM);
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
}

}  // namespace orvelle
