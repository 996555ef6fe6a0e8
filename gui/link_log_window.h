// The link log window: the kept lines in view, newest at the bottom, the
// counters since start and the frames per second now, a pause and a save
// to a text file. Lines are kept only while the window is open.
#pragma once

namespace orvelle {

// Loads the window (hidden) from its resource; returns its handle or a
// negative code.
int LoadLinkLog();
// Shows the window, starts keeping lines and bringing them into view.
void OpenLinkLog();
// Hides the window; lines are no longer kept, the hooks only count.
void CloseLinkLog();
// Brings the lines kept since the last call into view (unless paused), with
// the counters and the frame rate. Called by the window's timer.
void RefreshLinkLog();
// Asks for a file and writes every kept line to it, one per line.
void SaveLinkLog();

}  // namespace orvelle
