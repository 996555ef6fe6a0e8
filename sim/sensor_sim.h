// The sensor simulator as tests start it in-process. It runs on its own
// thread with its own event loop, so it answers while the caller's thread is
// blocked; every method here is thread-safe. A Q(Core)Application must exist
// in the process.
//
//   sim::SimConfig cfg;
//   cfg.tcp = true;                     // 127.0.0.1, free port
//   sim::SensorSim sensor(cfg);
//   sensor.start();
//   connect to 127.0.0.1:sensor.tcpPort() ...
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/sensor_memory.h"
#include "sim/sensor_model.h"
#include "sim/sim_config.h"
#include "sim/sim_frame.h"
#include "sim/sim_state.h"

namespace sim {

class SimThread;

class SensorSim {
public:
    explicit SensorSim(SimConfig config = {});
    ~SensorSim();
    SensorSim(const SensorSim &) = delete;
    SensorSim &operator=(const SensorSim &) = delete;

    // Power-on: loads the EEPROM file (defaults when there is none; a bad
    // file is reported in lastError() and left untouched), sets RAM = EEPROM,
    // switches automatic sending off and opens the configured links on a new
    // thread. Returns false with *error when a link cannot be opened.
    bool start(std::string *error = nullptr);
    // Closes every link and ends the thread. Memory and faults are kept.
    void stop();
    bool running() const;

    uint16_t tcpPort() const;     // 0 when not serving TCP
    std::string ptyPath() const;  // "" when not serving a pty

    // Faults, effective from the next frame.
    FaultConfig faults() const;
    void setFaults(const FaultConfig &faults);
    void clearFaults();

    // Memory. setEeprom also writes the EEPROM file when one is set.
    ParamSet ram() const;
    void setRam(const ParamSet &set);
    ParamSet eeprom() const;
    bool setEeprom(const ParamSet &set);
    std::string eepromPath() const;
    void setEepromPath(const std::string &path);  // used from the next start / command 6
    std::string lastError() const;                // last EEPROM file problem, "" if none

    // Sensor behaviour.
    std::string idText() const;
    void setIdText(const std::string &text);
    void setTriggerPeriodMs(int ms);               // clamped to 10 ms at least
    void setFixedTarget(std::optional<Intensities> target);
    bool autoSending() const;
    void setPaced(bool paced);
    // Closes the open connections now (the listener keeps listening).
    void dropConnections();
    // TCP connections open now: a client that went away no longer counts.
    int tcpConnections() const;

    // Frame log: every complete request received, oldest first.
    std::vector<Frame> receivedFrames() const;
    // Word 1 (the command code) of each logged frame, oldest first.
    std::vector<uint16_t> receivedCommands() const;
    void clearFrameLog();
    // Waits until the log holds at least count frames; false on time-out.
    bool waitForFrames(std::size_t count, int timeoutMs) const;
    uint64_t bytesSent() const;   // bytes written to the links since construction
    // Bytes handed to the links to send since construction; bytesSent()
    // reaches this figure once all of them are written.
    uint64_t bytesQueued() const;

private:
    void loadEepromAtPowerOn();

    SimConfig config_;
    std::unique_ptr<SimState> state_;
    mutable std::mutex control_;        // start, stop and calls into the thread
    std::unique_ptr<SimThread> thread_;
    uint16_t tcpPort_ = 0;
    std::string ptyPath_;
};

} // namespace sim
