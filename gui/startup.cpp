#include "gui/startup.h"

#include <cstdio>

#include "app/state.h"
#include "gui/connection_settings.h"
#include "gui/live_display.h"
#include "gui/panel_binding.h"
#include "gui/work_area.h"
#include "platform/userint/userint.h"
#include "platform/utility/utility.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

void InitAll()
{
    InitStateValues();
    GetProjectDir(proj_dir);
    // Joined with the platform's separator: a backslash would name a
    // different file here.
    std::snprintf(ipComboBoxFileName, sizeof ipComboBoxFileName, "%s%s%s", proj_dir,
                  PathSeparator(), kServerHistoryFile);
    std::snprintf(conSettingsFileName, sizeof conSettingsFileName, "%s%s%s", proj_dir,
                  PathSeparator(), kComSettingsFile);
    SetCtrlVal(datapanel, DATAP_DispStatus, "InitVars");
    DispVis();
    GetPanelValues();
    GetConnectionSettingsFromFile();
    InitConnectPanel();
    SetButtonsDimmed(1);
    TryToConnect();
    SetButtonsDimmed(0);
}

}  // namespace orvelle
