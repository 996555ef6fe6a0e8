// One open link to the program (a TCP connection or the pseudo-terminal):
// gathers incoming bytes into 36-byte frames, by length only, and sends
// outgoing bytes in order, optionally paced like a 19200 baud 8N1 line.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include <QObject>
#include <QString>
#include <QTimer>

#include "sim/sim_frame.h"

namespace sim {

// 10 bits per byte (start, 8 data, stop) at 19200 baud.
constexpr int64_t kByteTimeNs = 10LL * 1000000000LL / 19200;   // 520833 ns

// Monotonic time in nanoseconds.
int64_t monotonicNs();

class LinkSession : public QObject {
    Q_OBJECT
public:
    explicit LinkSession(QString name, QObject *parent = nullptr);
    ~LinkSession() override;

    const QString &name() const { return name_; }
    virtual bool isOpen() const = 0;

    void setPaced(bool paced) { paced_ = paced; }

    // Queues a reply to the frame just received: it starts no earlier than
    // delayMs from now and, when paced, no earlier than the moment that frame
    // would have finished arriving at line speed.
    void sendReply(std::vector<uint8_t> bytes, int delayMs);

    // The last reply queued with sendReply (empty before the first).
    const std::vector<uint8_t> &lastReply() const { return lastReply_; }

    // Queues bytes that answer nothing (automatic or unsolicited frames).
    void sendFrame(std::vector<uint8_t> bytes, int delayMs = 0);

    // Nothing queued, no reply pending and no request half received.
    bool idle() const { return out_.empty() && have_ == 0; }

    // Requests received complete on this link since it opened.
    int framesReceived() const { return framesReceived_; }

    // Closes once everything queued has gone out; takes in nothing more.
    void closeWhenSent();

    // Closes now; queued bytes are dropped.
    void close();

signals:
    void frameReceived(sim::LinkSession *session, const sim::Frame &frame);
    void bytesSent(sim::LinkSession *session, const std::vector<uint8_t> &bytes);
    void closed(sim::LinkSession *session);

protected:
    // Incoming bytes from the transport.
    void feed(const uint8_t *data, std::size_t size);
    // Writes to the transport; returns the count taken (the rest is lost,
    // as on a line whose receiver is full) or -1 when the link is dead.
    virtual int64_t writeRaw(const uint8_t *data, std::size_t size) = 0;
    virtual void closeRaw() = 0;
    // False while bytes already written still wait on the far side to be
    // read (closing then would throw them away).
    virtual bool drained() const { return true; }
    // The transport reports that the far end went away.
    void transportClosed();

private:
    struct Chunk {
        std::vector<uint8_t> bytes;
        int64_t notBeforeNs = 0;
        int64_t startNs = -1;    // when its first bit goes on the line (paced)
        std::size_t sent = 0;
    };

    void enqueue(std::vector<uint8_t> bytes, int64_t notBeforeNs);
    void pump();
    bool pumpChunk(Chunk &chunk, int64_t now, int64_t *wakeNs);
    // The chunk is on the line and its next byte is its last.
    bool endsPacedChunk(const Chunk &chunk) const;
    void closeWhenDrained();
    void finishClose();

    QString name_;
    bool paced_ = false;
    bool closing_ = false;
    bool closed_ = false;
    Frame partial_{};
    std::size_t have_ = 0;
    int64_t frameStartNs_ = 0;     // first byte of the frame being gathered
    int64_t requestDoneNs_ = 0;    // when the last request finished arriving
    int framesReceived_ = 0;
    std::deque<Chunk> out_;
    std::vector<uint8_t> lastReply_;
    int64_t lineFreeNs_ = 0;       // end of the last byte put on the line
    int64_t drainSinceNs_ = -1;    // when closing began to wait for the far side
    QTimer pumpTimer_;
};

} // namespace sim
