#include "gui/work_area.h"

#include "app/state.h"
#include "combobox/combobox.h"
#include "gui/port_list.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

void ShowChildPanel(int which)
{
    const int selectors[] = {MAINP_ButtonConnect, MAINP_ButtonPara, MAINP_ButtonTeachTable,
                             MAINP_ButtonRecorder};
    for (int ctrl : selectors)
        SetCtrlAttribute(mainpanel, ctrl, ATTR_CMD_BUTTON_COLOR, kSelectorIdleColor);
    HidePanel(interfacepanel);
    HidePanel(parapanel);
    HidePanel(ttpanel);
    HidePanel(recpanel);
    switch (which) {
    case kWorkInterface:
        SetCtrlAttribute(mainpanel, MAINP_ButtonConnect, ATTR_CMD_BUTTON_COLOR, kSelectorActiveColor);
        // Accept comes back only with a confirmed connection test.
        SetCtrlAttribute(interfacepanel, INTERFACEP_ButtonAccept, ATTR_DIMMED, 1);
        ShowComPortList();  // adapters come and go while the program runs
        DisplayPanel(interfacepanel);
        break;
    case kWorkPara:
        SetCtrlAttribute(mainpanel, MAINP_ButtonPara, ATTR_CMD_BUTTON_COLOR, kSelectorActiveColor);
        DisplayPanel(parapanel);
        break;
    case kWorkTeachTable:
        SetCtrlAttribute(mainpanel, MAINP_ButtonTeachTable, ATTR_CMD_BUTTON_COLOR, kSelectorActiveColor);
        DisplayPanel(ttpanel);
        break;
    case kWorkRecorder:
        SetCtrlAttribute(mainpanel, MAINP_ButtonRecorder, ATTR_CMD_BUTTON_COLOR, kSelectorActiveColor);
        DisplayPanel(recpanel);
        break;
    default:
        break;
    }
}

void SetButtonsDimmed(int dimmed)
{
    struct Item { int *panel; int ctrl; };
    const Item items[] = {
        {&mainpanel, MAINP_ButtonSend},          {&mainpanel, MAINP_ButtonGet},
        {&mainpanel, MAINP_ButtonGo},            {&mainpanel, MAINP_SelectRAM},
        {&mainpanel, MAINP_SelectEEPROM},        {&mainpanel, MAINP_SelectFILE},
        {&interfacepanel, INTERFACEP_ButtonTryToConnect},
        {&interfacepanel, INTERFACEP_ButtonDiscard},
        {&recpanel, RECP_EditSelectDataRec},     {&recpanel, RECP_ButtonSelRecFile},
        {&recpanel, RECP_ButtonStartRecord},     {&recpanel, RECP_ButtonStartTrigRec},
        // The settings of the link in use must not change under it.
        {&interfacepanel, INTERFACEP_EditCommunicationProtocol},
        {&interfacepanel, INTERFACEP_EditSelectComPort},
        {&interfacepanel, INTERFACEP_StringPortNumber},
    };
    for (const Item &item : items)
        SetCtrlAttribute(*item.panel, item.ctrl, ATTR_DIMMED, dimmed);
    Combo_SetComboAttribute(interfacepanel, INTERFACEP_StringIpAdress, ATTR_COMBO_DIMMED, dimmed);
    ProcessSystemEvents();
}

}  // namespace orvelle
