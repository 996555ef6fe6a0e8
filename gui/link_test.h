// The connection test that follows every successful opening of the link,
// and the common time-out handler.
#pragma once

namespace orvelle {

// Silences automatic sending, asks for the identification text (5.0 s over
// TCP, 3.0 s over RS-232), shows it in both status displays and reads the
// parameter set; undims Accept when every reply was confirmed. Without an
// identification: SetPopupTimeout.
void CheckComLine();
// poll and comecho become 0, both status displays show "TIMEOUT" and the
// interface panel opens (with Accept dimmed).
void SetPopupTimeout();
// Waits the given seconds while processing events.
void PauseProcessingEvents(double seconds);

}  // namespace orvelle
