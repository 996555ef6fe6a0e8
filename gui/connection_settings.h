// The connection settings: loading them, the interface panel's visibility
// rule, and the connection attempt.
#pragma once

#include "gui/settings_file.h"

namespace orvelle {

// Reads "ComSettings.cfg" (ReadConnectionSettings, gui/settings_file.h)
// into the variables and the interface panel. Without a file: RS-232 on COM
// port 1, the panel untouched. A protocol other than 0 or 1 leaves the
// panel's protocol and is described, with the file, the line and the value,
// in szSettingsProblem ("" when none). Saving always writes
// conSettingsFileName.
void GetConnectionSettingsFromFile();
// The four settings controls into the values Discard brings back.
void TakeOldConnectionSettings();
// Reads the protocol selector and shows the COM port or the server fields.
void InitConnectPanel();
// Reads the four settings controls into their variables and replaces
// "ComSettings.cfg" whole with them (protocol, COM port, server, TCP port,
// one per line). Returns 0, or -1 when the file could not be written; the
// old file then stays as it was.
int SaveCommunicationSettings();
// Connects with the values on the interface panel and runs the connection
// test; a failed opening ends in SetPopupTimeout. RS-232 closes a TCP
// connection that is still open.
void TryToConnect();
}  // namespace orvelle
