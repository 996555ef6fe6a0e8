// Internal to the serial room: how often an open port wakes the event loop
// for its input. A reply trickles in a byte or two at a time at 19200 baud;
// waking at every arrival costs the processor far more than the reply's
// bytes. ReadWake sleeps through the time the missing bytes need on the line
// and lets the system wake it for the last few, so a reply of n bytes wakes
// the loop a few times instead of at every arrival.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <termios.h>

class QSerialPort;
class QSocketNotifier;

namespace serial {

// Bytes the system holds for the open device beyond QSerialPort's buffer; -1
// when the device hung up (errno says why), 0 when it cannot count them.
int SystemQueued(QSerialPort *sp);
// The line's minimum read count, which is also how many bytes the system
// waits for before it reports the device readable (0 or 1: any byte).
cc_t SystemMin(QSerialPort *sp);
void SetSystemMin(QSerialPort *sp, cc_t count);

class ReadWake : public QObject {
public:
    // lost: the device was found gone during a wait; it closes the port.
    ReadWake(QSerialPort *sp, std::function<void(const char *why)> lost);

    // Until disarm, wakes the event loop for input only once count bytes
    // (2 .. 255) have come, or the device is gone. A device that delivers
    // faster than its baud rate is not held back: the first arrival is seen
    // at once, and only then the rest is slept through. systemMin: the
    // line's own minimum read count, restored when the wait ends.
    void arm(int count, cc_t systemMin);
    // Every arrival wakes the loop again.
    void disarm();

private:
    enum class Phase { Off, FirstBytes, Sleeping, LastBytes, Done };

    void progress();
    void listen(bool on);
    QSocketNotifier *readNotifier() const;
    double byteTimeMs() const;

    QSerialPort *sp_;
    std::function<void(const char *why)> lost_;
    QTimer timer_;
    Phase phase_ = Phase::Off;
    int count_ = 0;
    cc_t systemMin_ = 0;
};

}  // namespace serial
