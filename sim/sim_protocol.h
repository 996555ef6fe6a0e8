// The sensor's side of the request/reply protocol: what each command does to
// the sensor's memory and state, and the reply it gives.
//
// Reads after command 8: the next command 3 and the row reads (command 4)
// that follow come from the EEPROM. The EEPROM reads end after the read of
// the last row (30), at any command other than 3 or 4, or at a second
// command 3 (which is served from RAM again), so an interrupted EEPROM read
// never leaks into a later RAM read.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/sim_frame.h"
#include "sim/sim_state.h"

namespace sim {

struct Reply {
    std::vector<uint8_t> bytes;   // empty: no reply
    uint16_t command = 0;         // command answered
    bool echo = false;            // an echo of a write command
    bool hasMarker = true;        // false for the identification text
};

// Serves one request frame at time tMs (simulator milliseconds). The caller
// holds state.mutex. Changes RAM, EEPROM (and its file), the read source and
// the automatic sending flag as the command says. A wrong sync word, an
// unknown command or a row number of 31 or more gives no reply and changes
// nothing. The row offset fault is applied here, the byte faults are not.
Reply serveRequest(SimState &state, const Frame &request, int64_t tMs);

// A data frame (command word 5) measured at tMs; the caller holds the mutex.
Frame makeDataFrame(SimState &state, int64_t tMs);

// The 36 identification bytes: the text, cut or padded with zero bytes.
Frame makeIdFrame(const std::string &text);

} // namespace sim
