// A pseudo-terminal pair for the serial tests: the test holds the master,
// the port under test opens the slave by its path.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <string>

class PtyPair {
public:
    PtyPair()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        if (const char *name = ptsname(master_))
            slave_ = name;
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() { CloseMaster(); }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool Ok() const { return master_ >= 0 && !slave_.empty(); }
    const char *SlavePath() const { return slave_.c_str(); }

    // Sends bytes towards the port (they arrive at the slave).
    bool Send(const std::string &bytes) const
    {
        return master_ >= 0 && write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Collects what the port wrote, until want bytes have come or timeoutMs passed.
    std::string Receive(std::size_t want, int timeoutMs) const
    {
        std::string got;
        QDeadlineTimer deadline(timeoutMs);
        char buf[256];
        while (got.size() < want && !deadline.hasExpired()) {
            const ssize_t n = read(master_, buf, sizeof buf);
            if (n > 0)
                got.append(buf, static_cast<std::size_t>(n));
            else
                usleep(1000);
        }
        return got;
    }

    // The far end goes away, as when an adapter is unplugged.
    void CloseMaster()
    {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }

    // The line settings the port under test left on the terminal: rate,
    // stop bits and handshake read through a second descriptor of the
    // slave; size and parity from the open port itself, since a pty forces
    // 8 bits without parity on its terminal whatever was set. ok is false
    // when no open port or no terminal was found.
    struct Line {
        bool ok = false;
        speed_t in = 0, out = 0;
        bool twoStops = false, rtsCts = false, xonXoff = false;
        int dataBits = 0;
        QSerialPort::Parity parity = QSerialPort::SpaceParity;  // none of the cases
    };
    Line LineSettings() const
    {
        Line line;
        const QSerialPort *port = nullptr;
        for (const QSerialPort *p : qApp->findChildren<QSerialPort *>())
            if (p->isOpen() && slave_.ends_with("/" + p->portName().toStdString()))
                port = p;
        const int fd = open(slave_.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        if (fd < 0 || !port)
            return line;
        termios t {};
        line.ok = tcgetattr(fd, &t) == 0;
        close(fd);
        line.in = cfgetispeed(&t);
        line.out = cfgetospeed(&t);
        line.twoStops = t.c_cflag & CSTOPB;
        line.rtsCts = t.c_cflag & CRTSCTS;
        line.xonXoff = t.c_iflag & (IXON | IXOFF);
        line.dataBits = port->dataBits();
        line.parity = port->parity();
        return line;
    }

private:
    int master_ = -1;
    std::string slave_;
};
