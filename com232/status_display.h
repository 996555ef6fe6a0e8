// The link's state as the front end shows it: the status texts (on the
// window: DispStatus on the data panel and the status line of the interface
// panel, both at once), whether the values shown are stale, and the common
// time-out handler. Each goes out through the installed LinkHooks.
#pragma once

namespace orvelle {

void ShowStatus(const char *text);
// on 1: the values shown came from a link that has failed since (the window
// greys its live displays); 0: they are live again. Sets `stale`; does
// nothing when it already has that state.
void ShowLinkStale(int on);
// The time-out handler: poll and comecho become 0, the status shows
// "TIMEOUT", the values shown are stale, then the timedOut hook (the window
// opens the interface panel, with Accept dimmed).
void SetPopupTimeout();

}  // namespace orvelle
