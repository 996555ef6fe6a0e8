// The floor beside every processor and timing figure: the same exchanges
// with a simulator of the same kind, made by a bare loop with no window and
// no event loop (a blocking socket or terminal, one request, its 36-byte
// reply, the same pause). It costs what waking up and the system calls cost
// on this machine, so the program's figure divided by it is what holds from
// one machine to the next; its time per exchange over the paced line is the
// wire time as this machine delivers it.
#pragma once

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include "bench_support.h"
#include "sim/sensor_sim.h"
#include "sim/sim_frame.h"

namespace orvbench {

// One bare link to a simulator of its own, over TCP or a pty.
class BareLink {
public:
    BareLink(bool pty, bool paced)
    {
        sim::SimConfig config;
        config.tcp = !pty;
        config.pty = pty;
        config.paced = paced;
        sensor_ = std::make_unique<sim::SensorSim>(config);
        std::string error;
        if (!sensor_->start(&error)) {
            std::fprintf(stderr, "simulator: %s\n", error.c_str());
            std::exit(2);
        }
        fd_ = pty ? OpenTerminal(sensor_->ptyPath()) : Connect(sensor_->tcpPort());
        if (fd_ < 0) {
            std::fprintf(stderr, "bare link: %s\n", std::strerror(errno));
            std::exit(2);
        }
    }
    ~BareLink()
    {
        ::close(fd_);
        sensor_->stop();
    }
    BareLink(const BareLink &) = delete;
    BareLink &operator=(const BareLink &) = delete;

    // One request with command and argument, and its whole reply.
    bool Exchange(uint16_t command, uint16_t arg)
    {
        sim::Frame request = sim::makeFrame(sim::kSyncWord, command);
        sim::setFrameWord(request, 2, arg);
        if (::write(fd_, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
            return false;
        std::size_t got = 0;
        uint8_t reply[sim::kFrameBytes];
        while (got < sizeof reply) {
            const ssize_t n = ::read(fd_, reply + got, sizeof reply - got);
            if (n <= 0)
                return false;
            got += static_cast<std::size_t>(n);
        }
        return true;
    }

private:
    static int Connect(uint16_t port)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in at {};
        at.sin_family = AF_INET;
        at.sin_port = htons(port);
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&at), sizeof at) != 0)
            return -1;
        return fd;
    }
    // Raw 8N1; a read blocks until the whole reply is there.
    static int OpenTerminal(const std::string &path)
    {
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        termios tio {};
        if (fd < 0 || tcgetattr(fd, &tio) != 0)
            return -1;
        cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        cfsetispeed(&tio, B19200);
        cfsetospeed(&tio, B19200);
        tio.c_cc[VMIN] = sim::kFrameBytes;
        tio.c_cc[VTIME] = 0;
        tcsetattr(fd, TCSANOW, &tio);
        tcflush(fd, TCIOFLUSH);
        return fd;
    }

    std::unique_ptr<sim::SensorSim> sensor_;
    int fd_ = -1;
};

struct Floor {
    double cpuPercent;     // of one core, over the whole run
    double cpuMsPerExchange;
    double msPerExchange;  // request sent to reply complete
};

inline void SleepS(double s)
{
    timespec t {static_cast<time_t>(s), static_cast<long>((s - static_cast<time_t>(s)) * 1e9)};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

// Data frames for `seconds`, with `pauseS` after each, as the polling loop.
inline Floor BarePolling(BareLink &link, double seconds, double pauseS)
{
    const double cpu0 = ThreadCpuSeconds(), start = Timer();
    double inExchange = 0;
    int n = 0;
    while (Timer() - start < seconds) {
        const double t = Timer();
        if (!link.Exchange(sim::kCmdDataFrame, 0))
            std::exit(2);
        inExchange += Timer() - t;
        ++n;
        SleepS(pauseS);
    }
    const double cpu = ThreadCpuSeconds() - cpu0, elapsed = Timer() - start;
    return {cpu / elapsed * 100, cpu * 1000 / n, inExchange * 1000 / n};
}

// `count` row reads back to back, as a parameter transfer's exchanges.
inline Floor BareTransfer(BareLink &link, int count)
{
    const double cpu0 = ThreadCpuSeconds(), start = Timer();
    for (int i = 0; i < count; ++i)
        if (!link.Exchange(sim::kCmdReadRow, static_cast<uint16_t>(i % 31)))
            std::exit(2);
    const double cpu = ThreadCpuSeconds() - cpu0, elapsed = Timer() - start;
    return {cpu / elapsed * 100, cpu * 1000 / count, elapsed * 1000 / count};
}

}  // namespace orvbench
