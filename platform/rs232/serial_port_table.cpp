// COM port number -> device.
//
//   COM1  .. COM4    /dev/ttyS0   .. /dev/ttyS3     on-board UARTs
//   COM5  .. COM20   /dev/ttyUSB0 .. /dev/ttyUSB15  USB serial adapters
//   COM21 .. COM32   /dev/ttyACM0 .. /dev/ttyACM11  USB CDC-ACM devices
//
// Overrides, strongest first:
//   SetComPortDevice(n, "/dev/...")   from code (tests point a port at a pty)
//   ORVELLE_COM<n>=/dev/...           from the environment (manual demos);
//                                     set but empty: COM<n> has no device
#include "platform/rs232/rs232.h"
#include "platform/rs232/serial_port_table.h"

#include <array>
#include <cstdlib>
#include <string>

namespace {

struct TableRange {
    int firstPort;
    int lastPort;
    const char *devicePrefix;
};

constexpr std::array<TableRange, 3> kTable = {{
    {1, 4, "/dev/ttyS"},
    {5, 20, "/dev/ttyUSB"},
    {21, 32, "/dev/ttyACM"},
}};

constexpr const char *kEnvPrefix = "ORVELLE_COM";

// Index 0 unused; an empty override means "use the environment or table".
std::array<std::string, kComPortMax + 1> g_override;
// The text ComPortDevice last returned for each port, so its pointer stays
// valid until the next call for the same port.
std::array<std::string, kComPortMax + 1> g_shown;

bool ValidPort(int port)
{
    return port >= 1 && port <= kComPortMax;
}

}  // namespace

namespace serial {

std::string TableDevice(int port)
{
    for (const TableRange &r : kTable) {
        if (port >= r.firstPort && port <= r.lastPort)
            return r.devicePrefix + std::to_string(port - r.firstPort);
    }
    return {};
}

std::string ResolveDevice(int port)
{
    if (!ValidPort(port))
        return {};
    if (!g_override[port].empty())
        return g_override[port];
    const std::string envName = kEnvPrefix + std::to_string(port);
    if (const char *env = std::getenv(envName.c_str()))
        return env;
    return TableDevice(port);
}

}  // namespace serial

// The device a port number maps to; "" for none or an invalid number. The
// pointer stays valid until the next call for the same port.
const char *ComPortDevice(int port)
{
    if (!ValidPort(port))
        return "";
    g_shown[port] = serial::ResolveDevice(port);
    return g_shown[port].c_str();
}

// Overrides the device of one port; nullptr or "" restores the table (and the
// environment). Invalid port numbers are ignored.
void SetComPortDevice(int port, const char *device)
{
    if (!ValidPort(port))
        return;
    g_override[port] = device ? device : "";
}
