// How one COM port number reads in a list of ports: the number, the device
// it maps to and what is plugged in there. The window's port selector and
// `orvelle-cli ports` show the same text.
#pragma once

#include "platform/rs232/rs232.h"

namespace orvelle {

constexpr int kComPortLabelBytes = 4 * kComInfoTextBytes + 48;

// The text of one port into label (size bytes, terminated): "COM5
// /dev/ttyUSB0  FT232R USB UART, FTDI, S/N A1B2", "COM1  /dev/ttyS0  no
// device", "COM3  no device set".
void FormatComPortLabel(int port, const ComPortInfo &info, char *label, int size);

}  // namespace orvelle
