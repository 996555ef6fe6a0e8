// Faults the simulated link can show, switched from the API or the command
// line. Each reply fault can be limited to one command code.
#pragma once

#include <cstdint>
#include <vector>

namespace sim {

constexpr int kAllCommands = -1;

// Whether a fault is on, and for which requests.
struct FaultScope {
    bool on = false;
    int command = kAllCommands;   // kAllCommands, or the only command affected

    bool applies(uint16_t cmd) const { return on && (command == kAllCommands || command == cmd); }
};

constexpr int kShortReplyBytes = 20;
constexpr int kLongReplyBytes = 40;
constexpr uint16_t kWrongMarker = 0x00AB;
constexpr int kEchoByteDefault = 1;
constexpr int kEchoValueDefault = 0x55;   // turns the marker 0x00AA into 0x0055
constexpr int kEchoInvert = -1;           // echoValue: invert the bits instead
constexpr int kUnsolicitedDefaultMs = 300;

struct FaultConfig {
    FaultScope noReply;                // the request is swallowed

    FaultScope replyLength;            // reply cut or padded with zeros
    int replyBytes = kShortReplyBytes;

    FaultScope wrongMarker;            // word 0 of replies (not the id text)
    uint16_t markerWord = kWrongMarker;
    int wrongMarkerReplies = 0;        // >0: only this many more replies, then off

    FaultScope wrongEcho;              // bytes first..last of echoes changed
    int echoFirst = kEchoByteDefault;
    int echoLast = kEchoByteDefault;
    int echoValue = kEchoValueDefault; // 0..255, or kEchoInvert

    int rowOffset = 0;                 // row replies carry row r + offset

    FaultScope delay;                  // reply held back
    int delayMs = 0;

    FaultScope lateEcho;               // once: the link's previous reply again before
                                       // the reply (halfway through its delay); then off

    int closeAfterFrames = 0;          // >0: the link closes after this many requests
    int unsolicitedMs = 0;             // >0: extra data frames this often while idle
};

// Applies the byte faults (length, marker, echo bytes) of config to a reply
// for command cmd. echo says whether the reply is an echo of a write;
// hasMarker is false for the identification text. Returns the bytes to send
// (empty when the reply is swallowed).
std::vector<uint8_t> applyReplyFaults(const FaultConfig &config, uint16_t cmd, bool echo,
                                      bool hasMarker, std::vector<uint8_t> reply);

// Counts one reply (or automatic frame) for command cmd against the faults
// limited to a number of replies, and switches each off after its last one.
// Called on the live configuration, under the state's lock.
void spendCountedFaults(FaultConfig &live, uint16_t cmd, bool hasMarker);

} // namespace sim
