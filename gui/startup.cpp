#include "gui/startup.h"

#include <cstdio>

#include "app/state.h"
#include "com232/link_reason.h"
#include "com232/status_display.h"
#include "gui/connection_settings.h"
#include "gui/data_folder.h"
#include "gui/file_folders.h"
#include "gui/live_display.h"
#include "gui/panel_binding.h"
#include "gui/port_list.h"
#include "gui/recorder.h"
#include "gui/server_history.h"
#include "gui/unsent_changes.h"
#include "gui/work_area.h"
#include "logo/logo.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

// A bad settings file stays on LAST FAILURE after the first attempt, with
// that attempt's own reason when it failed.
void ReportSettingsProblem()
{
    if (szSettingsProblem[0] == '\0')
        return;
    char reason[kReasonBytes];
    if (comecho == 1)
        std::snprintf(reason, sizeof reason, "%s", szSettingsProblem);
    else
        std::snprintf(reason, sizeof reason, "%.120s (then: %.70s)", szSettingsProblem, szReason);
    NoteFailure(reason);
}

}  // namespace

void InitAll()
{
    InitStateValues();
    InitDataFilePaths();
    LoadDialogFolders();
    ProposeRecordFile();
    SetCtrlVal(datapanel, DATAP_DispStatus, "InitVars");
    DispVis();
    ShowLinkStale(1);  // nothing measured yet
    ShowLogo({mainpanel, MAINP_LogoBox, MAINP_LogoPicture}, kMakerLogoVariant);
    GetPanelValues();
    TakeShownSet();
    InitServerHistory();
    ShowComPortList();
    GetConnectionSettingsFromFile();
    InitConnectPanel();
    // What the file gave is what Discard brings back, also before the
    // interface panel was ever opened.
    TakeOldConnectionSettings();
    SetButtonsDimmed(1);
    TryToConnect();
    SetButtonsDimmed(0);
    ReportSettingsProblem();
}

}  // namespace orvelle
