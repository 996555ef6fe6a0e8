// The simulator's own frame code: 18 words of 16 bits, 36 bytes, every word
// most significant byte first. Deliberately independent of the program's
// frame code, so a fault in one shows up against the other.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sim {

constexpr std::size_t kFrameBytes = 36;
constexpr std::size_t kFrameWords = 18;
constexpr uint16_t kSyncWord = 0x0055;      // word 0 of every request
constexpr uint16_t kReplyMarker = 0x00AA;   // word 0 of every reply

// Command codes (word 1 of a request).
constexpr uint16_t kCmdWriteParams = 1;
constexpr uint16_t kCmdWriteRow = 2;
constexpr uint16_t kCmdReadParams = 3;
constexpr uint16_t kCmdReadRow = 4;
constexpr uint16_t kCmdDataFrame = 5;
constexpr uint16_t kCmdStoreEeprom = 6;
constexpr uint16_t kCmdIdentify = 7;
constexpr uint16_t kCmdEepromReads = 8;
constexpr uint16_t kCmdAutoSend = 50;

using Frame = std::array<uint8_t, kFrameBytes>;

// Word i of the frame (0..17); 0 for an index outside the frame.
uint16_t frameWord(const Frame &frame, std::size_t word);

// Stores value as word i (0..17), high byte first; ignores other indexes.
void setFrameWord(Frame &frame, std::size_t word, uint16_t value);

// A frame whose word 0 is marker and word 1 command, the rest zero.
Frame makeFrame(uint16_t marker, uint16_t command);

// Copies up to kFrameBytes bytes of data into a frame, zero-padded.
Frame frameFromBytes(const uint8_t *data, std::size_t size);

// Bytes as upper-case hex pairs separated by blanks ("00 55 00 07 ...").
std::string bytesToHex(const uint8_t *data, std::size_t size);

} // namespace sim
