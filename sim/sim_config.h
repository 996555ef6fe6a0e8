// How a simulator is started: which links it serves, how it paces them, its
// EEPROM file, identification, trigger period, logging and initial faults.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sim/faults.h"
#include "sim/sensor_model.h"
#include "sim/sim_state.h"

namespace sim {

constexpr const char *kDefaultTcpHost = "127.0.0.1";

struct SimConfig {
    bool tcp = false;                       // serve a TCP listener
    std::string tcpHost = kDefaultTcpHost;  // address to listen on
    uint16_t tcpPort = 0;                   // 0 picks a free port
    bool pty = false;                       // serve a pseudo-terminal
    bool paced = false;                     // 19200 baud 8N1 timing on every link
    std::string eepromPath;                 // "" : EEPROM in memory only
    std::string idText = kDefaultIdText;
    int triggerPeriodMs = kDefaultTriggerPeriodMs;
    bool logFrames = false;                 // hex log of every frame in and out
    std::string logPath;                    // "" : stderr
    std::optional<Intensities> fixedTarget; // nullopt: the passing target
    FaultConfig faults;
};

} // namespace sim
