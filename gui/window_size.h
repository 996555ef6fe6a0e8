// The sizes of the two windows that grow (the main window and the big
// display), kept from one run to the next in "WindowSize.cfg" in the
// program's data folder.
#pragma once

namespace orvelle {

constexpr const char *kWindowSizeFile = "WindowSize.cfg";

// Gives the main window and the big display the sizes of the last run. A
// missing, unreadable or implausible file leaves their design sizes.
void LoadWindowSizes();
// Writes the present sizes of both windows; a failed write is ignored (the
// next start then takes the design sizes or the sizes before).
void SaveWindowSizes();

}  // namespace orvelle
