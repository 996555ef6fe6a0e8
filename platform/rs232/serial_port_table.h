// The map from COM port numbers to Linux serial devices. ComPortDevice and
// SetComPortDevice (rs232.h) are its public face; rs232.cpp asks it which
// device to open.
#pragma once

#include <string>

namespace serial {

// The device of a port from the fixed table alone (no overrides), "" when the
// number is outside the table.
std::string TableDevice(int port);

// The device the port opens: SetComPortDevice override, else the environment
// variable ORVELLE_COM<n>, else the table. "" when the port has none.
std::string ResolveDevice(int port);

}  // namespace serial
