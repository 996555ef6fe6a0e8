// The numeric displays and bars of the data panel and its two views.
#pragma once

namespace orvelle {

// Writes the current measurement into every display (visible or not), the
// big vector display, then the graph histories; the values are live again
// (stale 0) and szFrameTime is now.
void SetPanelData();
// Applies the view of SelectSource: 0 density, 1 raw; other values change nothing.
void DispVis();

}  // namespace orvelle
