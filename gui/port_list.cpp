#include "gui/port_list.h"

#include "app/state.h"
#include "gui/port_label.h"
#include "platform/rs232/rs232.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

void ShowComPortList()
{
    static ComPortInfo infos[kComPortMax];
    const int described = GetComPortInfos(infos, kComPortMax);
    char label[kComPortLabelBytes];
    for (int i = 0; i < described; ++i) {
        const int port = i + 1;
        int index = -1;
        GetIndexFromValue(interfacepanel, INTERFACEP_EditSelectComPort, &index, port);
        if (index < 0)
            continue;
        FormatComPortLabel(port, infos[i], label, sizeof label);
        ReplaceListItem(interfacepanel, INTERFACEP_EditSelectComPort, index, label, port);
    }
}

}  // namespace orvelle
