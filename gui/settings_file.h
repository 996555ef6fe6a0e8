// Reading "ComSettings.cfg" (four lines: protocol, COM port, server, TCP
// port) into the connection variables. Panel-free: the window shows what it
// read on the interface panel, orvelle-cli connects with it.
#pragma once

namespace orvelle {

// Results of ReadConnectionSettings.
constexpr int kSettingsRead = 0;         // all four lines taken
constexpr int kSettingsNone = 1;         // no file (or none that opens): RS-232 on COM1
constexpr int kSettingsBadProtocol = 2;  // line 1 is neither 0 nor 1: see szSettingsProblem

// Reads conSettingsFileName, or, when that does not exist, the file of that
// name in the program's directory (a provisioned default of an installed
// program), into comprotocol, comport, ipBuf and portNumStr; a missing line
// reads as empty. Without either file: comprotocol 0 and comport 1, the
// others untouched. A protocol other than 0 or 1 opens neither transport:
// comprotocol becomes keptProtocol and szSettingsProblem names the file,
// the line and the value ("" otherwise). Returns one of the codes above.
int ReadConnectionSettings(int keptProtocol);
// The leading decimal number of a text as the C library's atoi reads it
// (blanks, sign, digits; 0 without digits), saturated to the int range.
int ParseLeadingInt(const char *text);

}  // namespace orvelle
