// The connection settings: loading them, the interface panel's visibility
// rule, and the connection attempt.
#pragma once

namespace orvelle {

// Reads "ComSettings.cfg" (four lines: protocol, COM port, server, TCP port)
// into the variables and the interface panel: conSettingsFileName, or, when
// that does not exist, the file of that name in the program's directory.
// Without either: RS-232 on COM port 1, the panel untouched. A missing line
// reads as empty. Saving always writes conSettingsFileName. A protocol other
// than 0 or 1 leaves the panel's protocol and is described, with the file,
// the line and the value, in szSettingsProblem ("" when none).
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
// The leading decimal number of a text as the C library's atoi reads it
// (blanks, sign, digits; 0 without digits), saturated to the int range.
int ParseLeadingInt(const char *text);

}  // namespace orvelle
