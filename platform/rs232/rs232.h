// Serial port services of the run-time on QSerialPort, under their published
// names. A COM port number maps to a device through a table (see README.md,
// "Serial ports"); SetComPortDevice overrides one entry, which is how tests
// reach a pseudo-terminal. Results are negative codes on failure.
//
// A device that vanishes (adapter unplugged, far end of a pty closed) closes
// the port at the first error; reads then fail with -3 until the port is
// opened again.
#pragma once

#include <cstddef>

constexpr int kComPortMax = 32;   // COM1 .. COM32

// Error codes.
constexpr int kRs232UnknownSystemError = -1;
constexpr int kRs232InvalidPortNumber = -2;
constexpr int kRs232PortNotOpen = -3;
constexpr int kRs232UnknownIOError = -4;
constexpr int kRs232InvalidParameter = -5;   // a line setting, count or time-out out of range
constexpr int kRs232NoPortFound = -6;
constexpr int kRs232CannotOpenPort = -7;
constexpr int kRs232Timeout = -99;

// deviceName empty or null: the table's device for the port.
int OpenComConfig(int port, const char *deviceName, long baudRate, int parity, int dataBits,
                  int stopBits, int inputQueueSize, int outputQueueSize);
int CloseCom(int port);
int SetComTime(int port, double timeoutSeconds);
int SetCTSMode(int port, int mode);   // 0 off (LWRS_HWHANDSHAKE_OFF)
int FlushInQ(int port);
int FlushOutQ(int port);
// Writes count bytes; returns the count written or a negative code.
int ComWrt(int port, const char *buffer, int count);
// Reads up to count bytes, waiting at most the port's time-out for them;
// returns the count read (possibly short) or a negative code.
int ComRd(int port, char *buffer, int count);
// Bytes waiting in the input queue, or a negative code.
int GetInQLen(int port);
// The system wakes the event loop for the port's input only once count bytes
// (at most 255) wait, or the device fails: a reply of count bytes arriving a
// few at a time wakes it once. 1, the setting after every open, wakes it at
// each arrival. GetInQLen and ComRd count and read every byte whatever the
// count. Returns 0, kRs232InvalidParameter for a count below 1, or the code
// of a port that is not open.
int SetComWakeCount(int port, int count);

constexpr int LWRS_HWHANDSHAKE_OFF = 0;

// Events for InstallComCallback. Only the device's failure is reported.
constexpr int LWRS_ERR = 0x0080;   // the device failed or vanished; the port was closed
using ComCallbackPtr = void (*)(int portNumber, int eventMask, void *callbackData);
// Calls callback, from the event loop, when an event of eventMask happens on
// the open port, also while nothing is read or written: an adapter pulled
// out is reported at once. eventMask 0 or a null callback removes it; opening
// or closing the port removes it too. notifyCount and eventCharacter are not
// used. Returns 0 or a negative code.
int InstallComCallback(int port, int eventMask, int notifyCount, int eventCharacter,
                       ComCallbackPtr callback, void *callbackData);

// The device a port number maps to (table or override); empty for none.
const char *ComPortDevice(int port);
// Overrides the device of one port; nullptr or "" restores the table.
void SetComPortDevice(int port, const char *device);
// What is behind a COM port number now.
constexpr int kComInfoTextBytes = 128;
struct ComPortInfo {
    char device[kComInfoTextBytes];        // the device the number maps to, "" none
    int present;                           // 1: a serial device is there now
    char description[kComInfoTextBytes];   // as the system reports them, "" unknown
    char manufacturer[kComInfoTextBytes];
    char serialNumber[kComInfoTextBytes];
};
// Describes COM1 .. COMcount (at most kComPortMax) into infos[0 ..], from one
// look at the system. Returns the number described or a negative code.
int GetComPortInfos(ComPortInfo *infos, int count);
// The device and the system's reason of the port's last failure (open, or the
// error that closed it); "" after a successful open.
const char *GetComErrorText(int port);
