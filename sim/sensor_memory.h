// The sensor's parameter set (16 words and the 31 x 6 teach table), its
// defaults, and the EEPROM file that keeps it across restarts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sim {

constexpr std::size_t kParamWords = 16;
constexpr std::size_t kTeachRows = 31;
constexpr std::size_t kTeachCols = 6;
constexpr std::size_t kSetWords = kParamWords + kTeachRows * kTeachCols;   // 202
constexpr std::size_t kDirectModeRows = 5;   // one digital output per row

// Parameter slots.
constexpr std::size_t kSlotPower = 0;
constexpr std::size_t kSlotChannelMode = 1;
constexpr std::size_t kSlotAverage = 2;
constexpr std::size_t kSlotEvalMode = 3;
constexpr std::size_t kSlotHold = 4;
constexpr std::size_t kSlotIntlim = 5;
constexpr std::size_t kSlotMaxNr = 6;
constexpr std::size_t kSlotOutMode = 7;
constexpr std::size_t kSlotTrigger = 8;
constexpr std::size_t kSlotExtteach = 9;

// Teach columns.
constexpr std::size_t kColDensity = 0;
constexpr std::size_t kColDensityTol = 1;
constexpr std::size_t kColSym1 = 2;
constexpr std::size_t kColSym1Tol = 3;
constexpr std::size_t kColSym2 = 4;
constexpr std::size_t kColSym2Tol = 5;

constexpr uint16_t kOutModeBinary = 1;   // any other code is a DIRECT mode
constexpr uint16_t kTriggerCont = 0;
constexpr uint16_t kTriggerExt1 = 1;     // hold the last vector while IN0 is low
constexpr uint16_t kTriggerExt2 = 2;     // report the fail vector while IN0 is low

using TeachRow = std::array<uint16_t, kTeachCols>;

struct ParamSet {
    std::array<uint16_t, kParamWords> params{};
    std::array<TeachRow, kTeachRows> teach{};
    bool operator==(const ParamSet &) const = default;
};

// The set a new sensor carries: power 800, three channels, average 4, hold
// 10, intensity limit 100, 4 rows checked, BINARY output, continuous
// trigger; rows 0 to 2 taught for the simulated target (centre, left,
// right), the other rows zero.
ParamSet defaultParamSet();

// The 202-word image: slots 0..15, then row by row, column by column.
std::array<uint16_t, kSetWords> toWords(const ParamSet &set);
ParamSet fromWords(const std::array<uint16_t, kSetWords> &words);

// Reads an EEPROM file: 202 decimal words, one per line (0..65535).
// Returns true and fills *out on success. A missing, short, over-long or
// malformed file returns false, leaves *out unchanged and says why in *error.
bool loadEepromFile(const std::string &path, ParamSet *out, std::string *error);

// Writes the set in the same format, atomically (a crash leaves the old file
// or the new one, never half of one). Returns false with *error on failure.
bool saveEepromFile(const std::string &path, const ParamSet &set, std::string *error);

} // namespace sim
