#include "gui/link_panels.h"

#include "app/state.h"
#include "com232/link_hooks.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kStaleTextColor = 0x9A9A9A;
constexpr int kStaleBarColor = 0xC4C4C4;

struct LiveDisplay {
    int *panel;
    int ctrl;
    int attribute;  // the colour that greys: text of a number, fill of a bar
};

const LiveDisplay kLive[] = {
    {&datapanel, DATAP_DispChL, ATTR_TEXT_COLOR},       {&datapanel, DATAP_DispChC, ATTR_TEXT_COLOR},
    {&datapanel, DATAP_DispChR, ATTR_TEXT_COLOR},       {&datapanel, DATAP_DispDensity, ATTR_TEXT_COLOR},
    {&datapanel, DATAP_DispSym1, ATTR_TEXT_COLOR},      {&datapanel, DATAP_DispSym2, ATTR_TEXT_COLOR},
    {&datapanel, DATAP_DispVec, ATTR_TEXT_COLOR},       {&datapanel, DATAP_DispTemp, ATTR_TEXT_COLOR},
    {&datapanel, DATAP_DispAktMaxChL, ATTR_TEXT_COLOR}, {&datapanel, DATAP_DispAktMaxChC, ATTR_TEXT_COLOR},
    {&datapanel, DATAP_DispAktMaxChR, ATTR_TEXT_COLOR}, {&datapanel, DATAP_DispTrigger, ATTR_TEXT_COLOR},
    {&datapanel, DATAP_BarChL, ATTR_FRAME_COLOR},       {&datapanel, DATAP_BarChC, ATTR_FRAME_COLOR},
    {&datapanel, DATAP_BarChR, ATTR_FRAME_COLOR},       {&colbigpanel, COLBIGP_DispVec, ATTR_TEXT_COLOR},
};
constexpr int kLiveCount = sizeof kLive / sizeof kLive[0];

int liveColor[kLiveCount];  // each display's colour before it was greyed

void ShowStatusOnPanels(const char *text)
{
    SetCtrlVal(datapanel, DATAP_DispStatus, text);
    SetCtrlVal(interfacepanel, INTERFACEP_DispStatus, text);
}

void ShowReasonOnPanel(const char *line)
{
    ResetTextBox(interfacepanel, INTERFACEP_DispReason, line);
}

// Called only on a change of state (ShowLinkStale).
void GreyLiveDisplays(int on)
{
    for (int i = 0; i < kLiveCount; ++i) {
        const LiveDisplay &d = kLive[i];
        if (on) {
            GetCtrlAttribute(*d.panel, d.ctrl, d.attribute, &liveColor[i]);
            SetCtrlAttribute(*d.panel, d.ctrl, d.attribute,
                             d.attribute == ATTR_FRAME_COLOR ? kStaleBarColor : kStaleTextColor);
        } else {
            SetCtrlAttribute(*d.panel, d.ctrl, d.attribute, liveColor[i]);
        }
    }
}

// The operator can check the connection settings at once.
void OpenInterfacePanel()
{
    ShowChildPanel(kWorkInterface);
}

void TellServerClosed()
{
    MessagePopup("TCP Client", "Server has closed connection!");
}

void ShowWaitCursor(int on)
{
    SetWaitCursor(on);
}

const LinkHooks kWindowHooks = {
    ShowStatusOnPanels, ShowReasonOnPanel, GreyLiveDisplays,
    OpenInterfacePanel, TellServerClosed,  ShowWaitCursor,
};

}  // namespace

void InstallWindowLinkHooks()
{
    linkHooks = &kWindowHooks;
}

}  // namespace orvelle
