// The graph panel: the history of the recorded frames, one graph per signal,
// one graph shown at a time, and the values of the last frame added.
#pragma once

namespace orvelle {

constexpr int kGraphSignals = 7;  // CH_L CH_C CH_R DENSITY SYM1 SYM2 TEMP

// Empties the seven graphs (drawn at once), restarts the x count at 0 and
// starts every segment buffer at its signal's current value.
void InitPanelGraph();
// Adds the current measurement as the next frame: the seven displays show
// it, and every graph, shown or not, gets the segment from the previous
// frame to it at x = graphcnt (the first frame after clearing: a point at
// x = 0). graphcnt then counts up.
void SetPanelGraphData();
// Shows the graph of the signal chosen with EditSignal and hides the
// others; a value outside 0 to 6 shows CH_L. Nothing while a record file
// is shown in their place (record_view.h).
void SetGraphVisible();

}  // namespace orvelle
