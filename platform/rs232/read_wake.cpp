#include "platform/rs232/read_wake.h"

#include <QSerialPort>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/ioctl.h>

namespace serial {

namespace {
// Missing bytes the system is left to wake for: about the 1 ms a timer can
// be late, with room for a device that pauses between bytes.
constexpr int kLastBytes = 4;
constexpr int kMaxSystemMin = 255;
}  // namespace

int SystemQueued(QSerialPort *sp)
{
    int n = 0;
    if (ioctl(sp->handle(), FIONREAD, &n) == 0)
        return n;
    return errno == EIO || errno == ENXIO || errno == ENODEV ? -1 : 0;
}

cc_t SystemMin(QSerialPort *sp)
{
    termios tio {};
    return tcgetattr(sp->handle(), &tio) == 0 ? tio.c_cc[VMIN] : 0;
}

// A device that is no terminal has no such count; it only wakes more often.
void SetSystemMin(QSerialPort *sp, cc_t count)
{
    termios tio {};
    if (!sp->isOpen() || tcgetattr(sp->handle(), &tio) != 0 || tio.c_cc[VMIN] == count)
        return;
    tio.c_cc[VMIN] = count;
    tio.c_cc[VTIME] = 0;
    tcsetattr(sp->handle(), TCSANOW, &tio);
}

ReadWake::ReadWake(QSerialPort *sp, std::function<void(const char *why)> lost)
    : QObject(sp), sp_(sp), lost_(std::move(lost))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ReadWake::progress);
    connect(sp_, &QSerialPort::readyRead, this, [this] {
        if (phase_ == Phase::FirstBytes || phase_ == Phase::LastBytes)
            progress();
    });
}

void ReadWake::arm(int count, cc_t systemMin)
{
    count_ = std::clamp(count, 2, kMaxSystemMin);
    systemMin_ = systemMin;
    phase_ = Phase::FirstBytes;
    SetSystemMin(sp_, systemMin_);
    listen(true);
    progress();
}

void ReadWake::disarm()
{
    if (phase_ == Phase::Off)
        return;
    phase_ = Phase::Off;
    timer_.stop();
    SetSystemMin(sp_, systemMin_);
    listen(true);
}

// Looks at what has come and decides what wakes the loop next: the first
// arrival, the time the missing bytes need, or the system for the last few.
void ReadWake::progress()
{
    if (phase_ == Phase::Off || phase_ == Phase::Done || !sp_->isOpen())
        return;
    const int held = SystemQueued(sp_);
    if (held < 0) {
        phase_ = Phase::Off;
        lost_(std::strerror(errno));
        return;
    }
    const int buffered = static_cast<int>(std::min<qint64>(sp_->bytesAvailable(), count_));
    const int missing = count_ - buffered - held;
    if (missing <= 0) {
        phase_ = Phase::Done;
        SetSystemMin(sp_, systemMin_);
        listen(true);
        return;
    }
    if (buffered + held == 0 && phase_ == Phase::FirstBytes)
        return;
    if (missing <= kLastBytes) {
        phase_ = Phase::LastBytes;
        SetSystemMin(sp_, static_cast<cc_t>(count_ - buffered));
        listen(true);
        return;
    }
    // Asleep to the system: no wake-up for each byte or two on their way.
    phase_ = Phase::Sleeping;
    listen(false);
    timer_.start(std::max(1, static_cast<int>(std::floor(missing * byteTimeMs()))));
}

// QSerialPort reads the device when its read notifier fires; with the
// notifier off, bytes wait in the system and wake nobody. A QSerialPort
// without such a notifier simply wakes as often as before.
void ReadWake::listen(bool on)
{
    if (QSocketNotifier *n = readNotifier(); n && n->isEnabled() != on)
        n->setEnabled(on);
}

QSocketNotifier *ReadWake::readNotifier() const
{
    for (QObject *child : sp_->children()) {
        auto *n = qobject_cast<QSocketNotifier *>(child);
        if (n && n->type() == QSocketNotifier::Read)
            return n;
    }
    return nullptr;
}

// Start bit, data bits, parity bit and stop bits at the baud rate, in ms.
double ReadWake::byteTimeMs() const
{
    const int parity = sp_->parity() == QSerialPort::NoParity ? 0 : 1;
    const int stop = sp_->stopBits() == QSerialPort::TwoStop ? 2 : 1;
    const int bits = 1 + static_cast<int>(sp_->dataBits()) + parity + stop;
    const qint32 baud = std::max<qint32>(1, sp_->baudRate());
    return bits * 1000.0 / baud;
}

}  // namespace serial
