// Writing the parameter set and teach table into the sensor and reading
// them back, one 36-byte exchange at a time, from and into a set image of
// the caller's (kSetWords words, the layout of the parameter file). No
// panel is touched: the window binds the image to its panels, orvelle-cli
// to its files.
#pragma once

#include "app/state.h"

namespace orvelle {

// Waits (linkReplyLimitS) for the echo of a write and compares bytes
// 2 .. 2w-1 with the request; sets comecho. An incomplete or wrong echo:
// its reason noted, SetPopupTimeout.
void CheckEcho(int words);
// One read exchange (command 3 or 4) for the frame in szWriteBuf: the reply
// is decoded into pp and what it brings goes into image (ReplyIntoImage). A
// missing reply, one that answers another command, and a row reply naming
// another row than the one asked for all end in SetPopupTimeout (comecho 0)
// with their reason noted; the last still goes into image.
void Befehl3plus4(word *image);
// The read: command 8 first when fromEeprom, then command 3 and command 4
// for rows 0..30, into image; pp then holds the last reply. Ends at the
// first failure, and, once the program is ending (quitting), after the
// exchange in flight (its reason noted). Returns 0 when every reply
// answered (comecho 1), else -1 (comecho 0, szReason says why); image then
// holds what had arrived and its earlier content elsewhere. 32 exchanges
// from RAM, 33 from the EEPROM.
int ReadParaSet(int fromEeprom, word *image);
// The write of image: command 1, command 2 for rows 0..30, and command 6
// when toEeprom; pp then holds the image. Ends at the first failed echo,
// never earlier: writing is 1 meanwhile, and the end of the program waits
// for it. Returns 0 when every echo confirmed its request (comecho 1), else
// -1 (szReason says why). A write that ends early has changed the rows sent
// so far in the sensor's RAM and never its EEPROM.
int WriteParaSet(const word *image, int toEeprom);

}  // namespace orvelle
