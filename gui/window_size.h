// The sizes of the windows that grow (the main window, the big display and
// the link log) and whether the link log was open, kept from one run to the
// next in "WindowSize.cfg" in the program's data folder.
#pragma once

namespace orvelle {

constexpr const char *kWindowSizeFile = "WindowSize.cfg";

// Gives the windows the sizes of the last run and opens the link log again
// if it was open. A missing or unreadable file, or an implausible size,
// leaves the design sizes.
void LoadWindowSizes();
// Writes the present sizes and the link log's state; a failed write is ignored (the
// next start then takes the design sizes or the sizes before).
void SaveWindowSizes();

}  // namespace orvelle
