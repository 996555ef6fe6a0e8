// Start-up initialisation, run once by WinMain after the panels are shown.
#pragma once

namespace orvelle {

// Start values, the settings file names, the start-up displays, the
// banner, the parameter panel's initial set, the server combo box with its
// history, the port list, the connection settings (also as the values
// Discard brings back), then the first connection attempt; a bad settings
// file is named on LAST FAILURE after it.
void InitAll();

}  // namespace orvelle
