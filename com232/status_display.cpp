#include "com232/status_display.h"

#include "app/state.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

void ShowStatus(const char *text)
{
    SetCtrlVal(datapanel, DATAP_DispStatus, text);
    SetCtrlVal(interfacepanel, INTERFACEP_DispStatus, text);
}

}  // namespace orvelle
