#include "app/orvelle.h"

#include <initializer_list>

#include "app/callbacks.h"
#include "app/help_texts.h"
#include "app/state.h"
#include "gui/link_log_window.h"
#include "gui/link_panels.h"
#include "gui/startup.h"
#include "gui/transfer_status.h"
#include "gui/window_size.h"
#include "gui/work_area.h"
#include "platform/userint/resource.h"
#include "platform/tcp/tcpsupp.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kWorkAreaTop = 119, kWorkAreaLeft = 8;
constexpr int kDataAreaTop = 63, kDataAreaLeft = 288;

bool endRequested = false;  // the main window was closed

int LoadPanels()
{
    struct Load { int *handle; int parent; int id; };
    const Load loads[] = {
        {&mainpanel, 0, MAINP},          {&parapanel, 1, PARAP},
        {&ttpanel, 1, TTP},              {&datapanel, 1, DATAP},
        {&interfacepanel, 1, INTERFACEP}, {&recpanel, 1, RECP},
        {&graphpanel, 1, GRAPHP},        {&colbigpanel, 0, COLBIGP},
    };
    for (const Load &l : loads) {
        *l.handle = LoadPanel(l.parent ? mainpanel : 0, kUirFile, l.id);
        if (*l.handle < 0)
            return -1;
    }
    return LoadLinkLog() < 0 ? -1 : 0;
}

// A termination signal ends the program as the window's close does, without
// the popups nobody would be there to answer.
void EndBySignal(int signal)
{
    quitSignal = signal;
    CloseMainWindow();
}

}  // namespace

void EndProgram()
{
    endRequested = true;
    quitting = 1;
    QuitUserInterface(0);
}

void CloseMainWindow()
{
    poll = 0;
    if (writing && !quitting)
        ShowTransferStatus("Finishing the write to the sensor, then closing", 0);
    EndProgram();
}

void RunEventLoop()
{
    if (!endRequested)
        RunUserInterface();
}

int OpenProgram()
{
    endRequested = false;
    SetTerminationHandler(EndBySignal);
    RegisterOrvelleResource();
    RegisterOrvelleCallbacks();
    InstallWindowLinkHooks();
    if (LoadPanels() < 0)
        return -1;
    for (int panel : {parapanel, ttpanel, interfacepanel, recpanel})
        SetPanelPos(panel, kWorkAreaTop, kWorkAreaLeft);
    SetPanelPos(datapanel, kDataAreaTop, kDataAreaLeft);
    SetPanelPos(graphpanel, kDataAreaTop, kDataAreaLeft);
    SetHelpTooltips();
    LoadWindowSizes();
    ShowChildPanel(kWorkPara);
    DisplayPanel(datapanel);
    DisplayPanel(mainpanel);
    InitAll();
    return 0;
}

void CloseProgram()
{
    SetTerminationHandler(nullptr);
    if (tcpcon > 0)
        DisconnectFromTCPServer(g_hconversation);
    tcpcon = 0;
    SaveWindowSizes();
    CloseLinkLog();
    DiscardPanel(linklogpanel);
    DiscardPanel(colbigpanel);
    DiscardPanel(mainpanel);
    gpRecord.reset();  // after its graph has gone
}

int WinMain()
{
    if (OpenProgram() < 0)
        return -1;
    RunEventLoop();
    CloseProgram();
    return 0;
}

}  // namespace orvelle
