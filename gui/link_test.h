// The window's connection test that follows every successful opening of the
// link. The time-out handler and the identification exchange it relies on
// are shared with orvelle-cli (com232/status_display.h, com232/link_open.h).
#pragma once

#include "com232/link_open.h"
#include "com232/status_display.h"

namespace orvelle {

// Watches the serial device for failure, silences automatic sending, asks
// for the identification text (5.0 s over TCP, 3.0 s over RS-232), shows it
// in both status displays and reads the parameter set; undims Accept when
// every reply was confirmed. Without an identification: SetPopupTimeout.
// With keepUnsent 1 and changes not yet sent, the set is not read and the
// transfer line says so.
void CheckComLine();

}  // namespace orvelle
