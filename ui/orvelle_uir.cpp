// The program's user-interface resource: the eight panels, gathered in load
// order and registered under the resource file name.
#include "platform/userint/resource.h"
#include "ui/orvelle_uir.h"

// Defined in the panels_*.cpp files, one panel each.
extern const PanelDesc kMainPanelDesc;
extern const PanelDesc kParaPanelDesc;
extern const PanelDesc kTeachPanelDesc;
extern const PanelDesc kDataPanelDesc;
extern const PanelDesc kInterfacePanelDesc;
extern const PanelDesc kRecorderPanelDesc;
extern const PanelDesc kGraphPanelDesc;
extern const PanelDesc kColbigPanelDesc;

namespace {

constexpr int kPanelCount = 8;

}  // namespace

// All eight panels in load order: MAINP, PARAP, TTP, DATAP, INTERFACEP,
// RECP, GRAPHP, COLBIGP. The array is built on first use, so it never
// depends on the order in which the panel files are initialised.
const PanelDesc *OrvellePanels()
{
    static const PanelDesc panels[kPanelCount] = {
        kMainPanelDesc,      kParaPanelDesc,     kTeachPanelDesc, kDataPanelDesc,
        kInterfacePanelDesc, kRecorderPanelDesc, kGraphPanelDesc, kColbigPanelDesc,
    };
    return panels;
}

// Number of panels in OrvellePanels().
int OrvellePanelCount()
{
    return kPanelCount;
}

// Makes the panels known to LoadPanel under kUirFile; safe to call again.
void RegisterOrvelleResource()
{
    RegisterPanelResource(kUirFile, OrvellePanels(), OrvellePanelCount());
}
