// Blocking clients that play the program's side of the link in the
// simulator's tests: one over TCP, one on the pty slave with plain POSIX
// calls. Both gather bytes until a count is reached or a time-out passes.
#pragma once

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <QTcpSocket>

#include "sim/sensor_sim.h"
#include "sim/sim_frame.h"

namespace simtest {

using Bytes = std::vector<uint8_t>;

constexpr int kReplyWaitMs = 2000;   // generous: only reached when a test fails
constexpr int kSilenceMs = 150;      // how long "nothing more comes" is watched

// A request frame: sync word, command, then the given payload words.
sim::Frame request(uint16_t cmd, std::initializer_list<uint16_t> payload = {});
Bytes bytesOf(const sim::Frame &frame);
// Word i of a received byte sequence (0 past its end).
uint16_t wordAt(const Bytes &bytes, std::size_t word);

class Client {
public:
    virtual ~Client() = default;
    virtual bool ok() const = 0;
    virtual void sendBytes(const uint8_t *data, std::size_t size) = 0;
    // Up to count bytes, returning early once count have arrived.
    virtual Bytes read(std::size_t count, int timeoutMs) = 0;
    // True when the far end closed the link within timeoutMs.
    virtual bool waitClosed(int timeoutMs) = 0;

    void send(const sim::Frame &frame) { sendBytes(frame.data(), frame.size()); }
    Bytes exchange(const sim::Frame &frame, std::size_t count = sim::kFrameBytes,
                   int timeoutMs = kReplyWaitMs)
    {
        send(frame);
        return read(count, timeoutMs);
    }
};

class TcpClient : public Client {
public:
    explicit TcpClient(uint16_t port);
    bool ok() const override;
    void sendBytes(const uint8_t *data, std::size_t size) override;
    Bytes read(std::size_t count, int timeoutMs) override;
    bool waitClosed(int timeoutMs) override;

private:
    QTcpSocket socket_;
};

class PtyClient : public Client {
public:
    explicit PtyClient(const std::string &path);
    ~PtyClient() override;
    bool ok() const override { return fd_ >= 0; }
    void sendBytes(const uint8_t *data, std::size_t size) override;
    Bytes read(std::size_t count, int timeoutMs) override;
    bool waitClosed(int timeoutMs) override;

private:
    int fd_ = -1;
};

enum class Link { Tcp, Pty };

// Config serving the given link.
sim::SimConfig configFor(Link link);
// A client on the simulator's link of that kind.
std::unique_ptr<Client> connectTo(const sim::SensorSim &sensor, Link link);

using Clock = std::chrono::steady_clock;
inline double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

} // namespace simtest
