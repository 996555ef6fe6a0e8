// Writing the parameter set and teach table into the sensor and reading
// them back, one 36-byte exchange at a time.
#pragma once

namespace orvelle {

// Waits (3.0 s) for the echo of a write and compares bytes 2 .. 2w-1 with
// the request; sets comecho. An incomplete or wrong echo: SetPopupTimeout.
void CheckEcho(int words);
// One read exchange (command 3 or 4) for the frame in szWriteBuf: the reply
// is decoded into pp and taken apart. A missing reply, one that answers
// another command, and a row reply naming another row than the one asked
// for all end in SetPopupTimeout (comecho 0) with their reason noted; the
// last is still taken apart.
void Befehl3plus4();
// Panels to sensor: command 1, command 2 for rows 0..30, and command 6 when
// the target is EEPROM. Ends at the first failed echo, never earlier: writing
// is 1 meanwhile, and the end of the program waits for it.
void SendPara();
// Sensor to panels: command 8 first when the source is EEPROM, then command
// 3 and command 4 for rows 0..30; the panels are refreshed only when every
// row arrived. Once the program is ending (quitting) the read stops after
// the exchange in flight, with comecho 0 and its reason noted.
void GetPara();

}  // namespace orvelle
