#include "sim/sim_engine.h"

#include <algorithm>

#include "sim/sim_protocol.h"

namespace sim {

namespace {
constexpr int kIdleCheckMs = 100;   // how often a switched-off timer looks again
}

SimEngine::SimEngine(SimState &state, const SimConfig &config, QObject *parent)
    : QObject(parent), state_(state), config_(config)
{
    clock_.start();
    trigger_.setTimerType(Qt::PreciseTimer);
    connect(&trigger_, &QTimer::timeout, this, &SimEngine::onTriggerEdge);
    connect(&unsolicited_, &QTimer::timeout, this, &SimEngine::onUnsolicitedTick);
}

SimEngine::~SimEngine()
{
    shutdown();
}

bool SimEngine::open(QString *error)
{
    if (config_.logFrames && !config_.logPath.empty()) {
        log_ = std::fopen(config_.logPath.c_str(), "a");
        if (log_ == nullptr) {
            *error = QStringLiteral("frame log %1: cannot open").arg(QString::fromStdString(config_.logPath));
            return false;
        }
    }
    if (config_.tcp) {
        tcp_ = new TcpLink(this);
        connect(tcp_, &TcpLink::sessionOpened, this, &SimEngine::adopt);
        if (!tcp_->listen(QString::fromStdString(config_.tcpHost), config_.tcpPort, error))
            return false;
    }
    if (config_.pty) {
        pty_ = new PtySession(this);
        if (!pty_->open(error))
            return false;
        adopt(pty_);
    }
    int period = kDefaultTriggerPeriodMs;
    {
        std::lock_guard<std::mutex> lock(state_.mutex);
        period = std::max(kMinTriggerPeriodMs, state_.triggerPeriodMs);
    }
    trigger_.start(period / 2);
    unsolicited_.start(kIdleCheckMs);
    return true;
}

void SimEngine::adopt(LinkSession *session)
{
    if (session->parent() == nullptr)
        session->setParent(this);
    session->setPaced(config_.paced);
    connect(session, &LinkSession::frameReceived, this, &SimEngine::onFrame);
    connect(session, &LinkSession::bytesSent, this, &SimEngine::onBytesSent);
    connect(session, &LinkSession::closed, this, &SimEngine::onSessionClosed);
    sessions_.push_back(session);
    if (session != pty_) {
        std::lock_guard<std::mutex> lock(state_.mutex);
        ++state_.tcpSessions;
    }
}

void SimEngine::setPaced(bool paced)
{
    config_.paced = paced;
    for (LinkSession *s : sessions_)
        s->setPaced(paced);
}

void SimEngine::dropConnections()
{
    std::vector<LinkSession *> open = sessions_;
    for (LinkSession *s : open)
        s->close();
}

void SimEngine::shutdown()
{
    trigger_.stop();
    unsolicited_.stop();
    dropConnections();
    if (tcp_ != nullptr)
        tcp_->close();
    if (log_ != nullptr) {
        std::fclose(log_);
        log_ = nullptr;
    }
}

void SimEngine::onFrame(LinkSession *session, const Frame &frame)
{
    logHex("RX", session, frame.data(), frame.size());
    Reply reply;
    FaultConfig faults;
    {
        std::lock_guard<std::mutex> lock(state_.mutex);
        if (state_.received.size() >= kFrameLogLimit)
            state_.received.erase(state_.received.begin(),
                                  state_.received.begin() + kFrameLogLimit / 2);
        state_.received.push_back(frame);
        ++state_.receivedTotal;
        reply = serveRequest(state_, frame, nowMs());
        faults = state_.faults;
        if (!reply.bytes.empty() && faults.lateEcho.applies(reply.command))
            state_.faults.lateEcho.on = false;  // one stray frame, not one per request
        if (!reply.bytes.empty())
            spendCountedFaults(state_.faults, reply.command, reply.hasMarker);
    }
    state_.logGrew.notify_all();

    if (!reply.bytes.empty()) {
        std::vector<uint8_t> out =
            applyReplyFaults(faults, reply.command, reply.echo, reply.hasMarker, std::move(reply.bytes));
        int delay = faults.delay.applies(reply.command) ? faults.delayMs : 0;
        if (faults.lateEcho.applies(reply.command) && !session->lastReply().empty()) {
            std::vector<uint8_t> stray = session->lastReply();
            logHex("TX late echo", session, stray.data(), stray.size());
            countQueued(stray.size());
            // Halfway through a held-back reply, so that the two arrive apart.
            session->sendFrame(std::move(stray), delay / 2);
        }
        logHex("TX", session, out.data(), out.size());
        countQueued(out.size());
        session->sendReply(std::move(out), delay);
    }
    if (faults.closeAfterFrames > 0 && session->framesReceived() >= faults.closeAfterFrames)
        session->closeWhenSent();
}

void SimEngine::countQueued(std::size_t bytes)
{
    std::lock_guard<std::mutex> lock(state_.mutex);
    state_.queuedTotal += bytes;
}

void SimEngine::onBytesSent(LinkSession *, const std::vector<uint8_t> &bytes)
{
    std::lock_guard<std::mutex> lock(state_.mutex);
    state_.sentTotal += bytes.size();
}

void SimEngine::onSessionClosed(LinkSession *session)
{
    sessions_.erase(std::remove(sessions_.begin(), sessions_.end(), session), sessions_.end());
    if (session != pty_) {
        {
            std::lock_guard<std::mutex> lock(state_.mutex);
            --state_.tcpSessions;
        }
        session->deleteLater();
    }
}

// IN0 toggles every half period; the rising edge is the trigger event.
void SimEngine::onTriggerEdge()
{
    int period = kDefaultTriggerPeriodMs;
    bool send = false;
    {
        std::lock_guard<std::mutex> lock(state_.mutex);
        bool rising = !state_.model.triggerInput();
        state_.model.setTriggerInput(rising);
        period = std::max(kMinTriggerPeriodMs, state_.triggerPeriodMs);
        send = rising && state_.autoSend;
        if (!send)
            state_.model.sample(nowMs(), state_.ram);   // keeps the 60 s maxima current
    }
    if (trigger_.interval() != period / 2)
        trigger_.setInterval(period / 2);
    if (send)
        sendDataFrameToAll(true);
}

void SimEngine::onUnsolicitedTick()
{
    int every = 0;
    {
        std::lock_guard<std::mutex> lock(state_.mutex);
        every = state_.faults.unsolicitedMs;
    }
    int interval = every > 0 ? every : kIdleCheckMs;
    if (unsolicited_.interval() != interval)
        unsolicited_.setInterval(interval);
    if (every > 0)
        sendDataFrameToAll(false);
}

// Automatic frames count as data frames (command 5) for the faults;
// unsolicited frames go out clean, and only on links that are idle.
void SimEngine::sendDataFrameToAll(bool withFaults)
{
    if (sessions_.empty())
        return;
    Frame frame;
    FaultConfig faults;
    {
        std::lock_guard<std::mutex> lock(state_.mutex);
        frame = makeDataFrame(state_, nowMs());
        faults = state_.faults;
        if (withFaults)
            spendCountedFaults(state_.faults, kCmdDataFrame, true);
    }
    std::vector<uint8_t> bytes(frame.begin(), frame.end());
    int delay = 0;
    if (withFaults) {
        bytes = applyReplyFaults(faults, kCmdDataFrame, false, true, std::move(bytes));
        delay = faults.delay.applies(kCmdDataFrame) ? faults.delayMs : 0;
    }
    for (LinkSession *s : sessions_) {
        if (!withFaults && !s->idle())
            continue;
        logHex(withFaults ? "TX auto" : "TX unsolicited", s, bytes.data(), bytes.size());
        countQueued(bytes.size());
        s->sendFrame(bytes, delay);
    }
}

void SimEngine::logHex(const char *direction, const LinkSession *session, const uint8_t *data,
                       std::size_t size)
{
    if (!config_.logFrames)
        return;
    std::FILE *out = log_ != nullptr ? log_ : stderr;
    std::fprintf(out, "%10lld %s %s %s\n", static_cast<long long>(nowMs()), direction,
                 qPrintable(session->name()), bytesToHex(data, size).c_str());
    std::fflush(out);
}

} // namespace sim
