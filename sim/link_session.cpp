#include "sim/link_session.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace sim {

namespace {
constexpr int64_t kNsPerMs = 1000000;
constexpr int kDrainPollMs = 5;                  // how often a closing link looks again
constexpr int64_t kDrainLimitNs = 2000 * kNsPerMs;   // a reader that never reads
}

int64_t monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

LinkSession::LinkSession(QString name, QObject *parent) : QObject(parent), name_(std::move(name))
{
    pumpTimer_.setSingleShot(true);
    pumpTimer_.setTimerType(Qt::PreciseTimer);
    connect(&pumpTimer_, &QTimer::timeout, this, &LinkSession::pump);
}

LinkSession::~LinkSession() = default;

void LinkSession::feed(const uint8_t *data, std::size_t size)
{
    if (closing_ || closed_)
        return;
    int64_t now = monotonicNs();
    while (size > 0) {
        // On a paced line a frame cannot start before the previous one ended.
        if (have_ == 0)
            frameStartNs_ = paced_ ? std::max(now, requestDoneNs_) : now;
        std::size_t take = std::min(size, kFrameBytes - have_);
        std::copy_n(data, take, partial_.begin() + have_);
        have_ += take;
        data += take;
        size -= take;
        if (have_ < kFrameBytes)
            break;
        have_ = 0;
        ++framesReceived_;
        requestDoneNs_ = paced_ ? frameStartNs_ + int64_t{kFrameBytes} * kByteTimeNs : now;
        emit frameReceived(this, partial_);
        if (closing_ || closed_)
            return;
    }
}

void LinkSession::sendReply(std::vector<uint8_t> bytes, int delayMs)
{
    int64_t notBefore = std::max(monotonicNs() + delayMs * kNsPerMs, requestDoneNs_);
    lastReply_ = bytes;
    enqueue(std::move(bytes), notBefore);
}

void LinkSession::sendFrame(std::vector<uint8_t> bytes, int delayMs)
{
    enqueue(std::move(bytes), monotonicNs() + delayMs * kNsPerMs);
}

void LinkSession::enqueue(std::vector<uint8_t> bytes, int64_t notBeforeNs)
{
    if (closed_ || closing_ || bytes.empty())
        return;
    Chunk chunk;
    chunk.bytes = std::move(bytes);
    chunk.notBeforeNs = notBeforeNs;
    out_.push_back(std::move(chunk));
    pump();
}

// Writes what is due of one chunk. Returns true when the chunk is done;
// otherwise *wakeNs is when its next byte falls due.
bool LinkSession::pumpChunk(Chunk &chunk, int64_t now, int64_t *wakeNs)
{
    if (now < chunk.notBeforeNs) {
        *wakeNs = chunk.notBeforeNs;
        return false;
    }
    std::size_t due = chunk.bytes.size();
    if (paced_) {
        if (chunk.startNs < 0)
            chunk.startNs = std::max(chunk.notBeforeNs, lineFreeNs_);
        // A byte is on the far side once its stop bit has gone out.
        int64_t elapsed = now - chunk.startNs;
        due = elapsed < 0 ? 0 : std::min<std::size_t>(due, static_cast<std::size_t>(elapsed / kByteTimeNs));
    }
    if (due > chunk.sent) {
        std::vector<uint8_t> part(chunk.bytes.begin() + chunk.sent, chunk.bytes.begin() + due);
        int64_t n = writeRaw(part.data(), part.size());
        if (n < 0) {
            transportClosed();
            return true;
        }
        emit bytesSent(this, part);
        chunk.sent = due;
    }
    if (chunk.sent == chunk.bytes.size()) {
        if (paced_)
            lineFreeNs_ = chunk.startNs + int64_t(chunk.bytes.size()) * kByteTimeNs;
        return true;
    }
    *wakeNs = chunk.startNs + int64_t(chunk.sent + 1) * kByteTimeNs;
    return false;
}

void LinkSession::pump()
{
    if (closed_)
        return;
    for (;;) {
        int64_t wake = 0;
        while (!out_.empty()) {
            if (!pumpChunk(out_.front(), monotonicNs(), &wake))
                break;
            if (closed_)
                return;
            out_.pop_front();
        }
        if (out_.empty())
            break;
        int64_t waitNs = std::max<int64_t>(wake - monotonicNs(), 0);
        // The timer counts whole ms and could hold back the byte that ends
        // a paced chunk by up to 1 ms; its last fraction of a ms is slept.
        if (waitNs < kNsPerMs && endsPacedChunk(out_.front())) {
            std::this_thread::sleep_for(std::chrono::nanoseconds(waitNs));
            continue;
        }
        pumpTimer_.start(static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs));
        return;
    }
    if (closing_)
        closeWhenDrained();
}

bool LinkSession::endsPacedChunk(const Chunk &chunk) const
{
    return paced_ && chunk.startNs >= 0 && chunk.sent + 1 == chunk.bytes.size();
}

void LinkSession::closeWhenSent()
{
    closing_ = true;
    if (out_.empty())
        closeWhenDrained();
}

void LinkSession::closeWhenDrained()
{
    int64_t now = monotonicNs();
    if (drainSinceNs_ < 0)
        drainSinceNs_ = now;
    // The first look comes one poll later: bytes just written may not have
    // reached the far side's queue yet.
    int64_t waited = now - drainSinceNs_;
    if ((waited < kDrainPollMs * kNsPerMs || !drained()) && waited < kDrainLimitNs) {
        pumpTimer_.start(kDrainPollMs);
        return;
    }
    finishClose();
}

void LinkSession::close()
{
    out_.clear();
    finishClose();
}

void LinkSession::finishClose()
{
    if (closed_)
        return;
    closed_ = true;
    pumpTimer_.stop();
    closeRaw();
    emit closed(this);
}

void LinkSession::transportClosed()
{
    out_.clear();
    if (closed_)
        return;
    closed_ = true;
    pumpTimer_.stop();
    emit closed(this);
}

} // namespace sim
