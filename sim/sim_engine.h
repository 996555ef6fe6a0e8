// The simulator at work, on its own thread: owns the links, answers the
// requests that arrive on them, drives the trigger input IN0 and the
// automatic and unsolicited frames, applies the faults and keeps the frame
// log. Everything it shares with the controlling thread is in SimState.
#pragma once

#include <cstdio>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "sim/link_pty.h"
#include "sim/link_tcp.h"
#include "sim/sim_config.h"
#include "sim/sim_state.h"

namespace sim {

class SimEngine : public QObject {
    Q_OBJECT
public:
    SimEngine(SimState &state, const SimConfig &config, QObject *parent = nullptr);
    ~SimEngine() override;

    // Opens the links of the configuration and starts the timers. Returns
    // false with a message when a link cannot be opened (nothing is served).
    bool open(QString *error);

    uint16_t tcpPort() const { return tcp_ != nullptr ? tcp_->port() : 0; }
    QString ptyPath() const { return pty_ != nullptr ? pty_->slavePath() : QString(); }

    // Pacing of every link, now and for connections still to come.
    void setPaced(bool paced);

    // Closes every open connection (the TCP listener stays).
    void dropConnections();

    // Closes links and listener.
    void shutdown();

private:
    void adopt(LinkSession *session);
    void onFrame(LinkSession *session, const Frame &frame);
    void onBytesSent(LinkSession *session, const std::vector<uint8_t> &bytes);
    void countQueued(std::size_t bytes);
    void onSessionClosed(LinkSession *session);
    void onTriggerEdge();
    void onUnsolicitedTick();
    void sendDataFrameToAll(bool withFaults);
    void logHex(const char *direction, const LinkSession *session, const uint8_t *data, std::size_t size);
    int64_t nowMs() const { return clock_.elapsed(); }

    SimState &state_;
    SimConfig config_;
    TcpLink *tcp_ = nullptr;
    PtySession *pty_ = nullptr;
    std::vector<LinkSession *> sessions_;
    QTimer trigger_;
    QTimer unsolicited_;
    QElapsedTimer clock_;
    std::FILE *log_ = nullptr;
};

} // namespace sim
