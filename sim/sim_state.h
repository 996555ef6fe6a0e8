// Everything the simulator's thread and its controlling thread share, under
// one mutex: memory, identification, faults, the measurement model, the
// automatic sending flag and the frame log.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/sensor_memory.h"
#include "sim/sensor_model.h"
#include "sim/sim_frame.h"

namespace sim {

constexpr int kDefaultTriggerPeriodMs = 200;
constexpr int kMinTriggerPeriodMs = 10;
constexpr std::size_t kFrameLogLimit = 200000;   // oldest frames dropped beyond
constexpr const char *kDefaultIdText = "ORV-3CH SIM V1.0";

// Where reads (commands 3 and 4) come from after command 8.
enum class ReadSource {
    Ram,
    EepromArmed,     // command 8 seen, no command 3 yet
    EepromReading,   // command 3 served from EEPROM; rows follow
};

struct SimState {
    mutable std::mutex mutex;
    std::condition_variable logGrew;   // notified when a frame is logged

    ParamSet ram;
    ParamSet eeprom;
    std::string eepromPath;            // empty: EEPROM lives in memory only
    std::string lastError;             // last EEPROM file error, "" if none
    std::string idText = kDefaultIdText;
    FaultConfig faults;
    SensorModel model;
    bool autoSend = false;
    ReadSource readSource = ReadSource::Ram;
    int triggerPeriodMs = kDefaultTriggerPeriodMs;

    std::vector<Frame> received;       // every complete request, oldest first
    uint64_t receivedTotal = 0;        // including frames dropped from the log
    uint64_t sentTotal = 0;            // replies and unsolicited frames sent
    uint64_t queuedTotal = 0;          // bytes handed to the links to send
    int tcpSessions = 0;               // TCP connections open now
};

} // namespace sim
