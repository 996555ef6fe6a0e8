#include "sim/link_pty.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

constexpr std::size_t kReadChunk = 512;    // bytes taken from the master per read
constexpr std::size_t kPathBytes = 128;    // room for "/dev/pts/N"

QString systemError(const char *what)
{
    return QStringLiteral("PTY: %1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

// Raw 8N1, 19200 baud, no echo, no translation, reads return what is there.
bool makeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&tio, B19200);
    cfsetospeed(&tio, B19200);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

} // namespace

PtySession::PtySession(QObject *parent) : LinkSession(QStringLiteral("pty"), parent) {}

PtySession::~PtySession()
{
    closeFds();
}

bool PtySession::open(QString *error)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    char path[kPathBytes] = {};
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, path, sizeof path - 1) != 0) {
        *error = systemError("grantpt/unlockpt/ptsname");
        closeFds();
        return false;
    }
    slaveHold_ = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveHold_ < 0 || !makeRaw(slaveHold_) ||
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
        *error = systemError(path);
        closeFds();
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(path);
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtySession::onReadable);
    return true;
}

void PtySession::onReadable()
{
    uint8_t buf[kReadChunk];
    while (master_ >= 0) {
        ssize_t n = ::read(master_, buf, sizeof buf);
        if (n > 0) {
            feed(buf, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        // The pair is broken (cannot happen while the slave is held open).
        closeFds();
        transportClosed();
        return;
    }
}

int64_t PtySession::writeRaw(const uint8_t *data, std::size_t size)
{
    if (master_ < 0)
        return -1;
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(master_, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // Nobody reads the slave and its queue is full: the bytes are lost,
        // as they would be on a real line.
        break;
    }
    return static_cast<int64_t>(done);
}

// Bytes written to the master wait in the slave's input queue until the
// program reads them; a hangup would discard them.
bool PtySession::drained() const
{
    int waiting = 0;
    if (slaveHold_ < 0 || ioctl(slaveHold_, FIONREAD, &waiting) != 0)
        return true;
    return waiting == 0;
}

void PtySession::closeRaw()
{
    closeFds();
}

void PtySession::closeFds()
{
    if (notifier_ != nullptr) {
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    if (master_ >= 0)
        ::close(master_);
    if (slaveHold_ >= 0)
        ::close(slaveHold_);
    master_ = slaveHold_ = -1;
}

} // namespace sim
