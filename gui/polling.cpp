#include "gui/polling.h"

#include "gui/live_display.h"
#include "gui/main_graphs.h"
#include "gui/teach_table.h"

namespace orvelle {

namespace {

void ShowPolledFrame()
{
    SetPanelData();
    ShowGraph();
}

}  // namespace

void GetData()
{
    SetToleranceRangeSymmetry();
    PollData(ShowPolledFrame);
}

}  // namespace orvelle
