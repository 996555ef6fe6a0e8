// The graphs of the data panel: two 100-sample histories behind the strip
// charts, the density band of the selected teach row, the fixed and zoomed
// density range and the symmetry cursors.
#pragma once

#include "app/state.h"

namespace orvelle {

constexpr double kDensityFullScale = 4096;
constexpr double kZoomMargin = 25;
constexpr int kStripPointsPerScreen = 101;
constexpr double kSymCursorY = 50;

// Upper and lower band limit of set value s with tolerance t: s + t and
// s - t, each held to 0 .. 4096.
void DensityBand(word s, word t, short *upper, short *lower);
// The zoomed y range of a history: its minimum and maximum, widened by 25
// below while the minimum is above 25 and above while the maximum is below 4071.
void ZoomRange(const double *values, int count, double *min, double *max);
// Pushes the current frame into both histories (last step of SetPanelData).
void UpdateGraphHistories();
// Draws the graphs of the current view for the current frame.
void ShowGraph();

}  // namespace orvelle
