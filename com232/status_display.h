// The link's state on the panels. Its status texts go to two places at
// once: DispStatus on the data panel and the status line of the interface
// panel. Values shown from a link that has failed since are greyed.
#pragma once

namespace orvelle {

void ShowStatus(const char *text);
// on 1: greys the live displays and bars of the data panel and the big
// display, so values of a lost link do not look live; on 0: their colours
// come back. Sets `stale`; does nothing when it already has that state.
void ShowLinkStale(int on);

}  // namespace orvelle
