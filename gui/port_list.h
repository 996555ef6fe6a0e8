// The COM port selector of the interface panel names, for each port number,
// the device it maps to and what is plugged in there, so that an operator
// with several adapters can tell the sensor's apart without unplugging one.
#pragma once

namespace orvelle {

// Relabels the items of the COM port selector from a fresh look at the
// system. Values, the selection and comport stay as they are.
void ShowComPortList();

}  // namespace orvelle
