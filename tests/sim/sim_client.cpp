#include "sim_client.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace simtest {

namespace {
constexpr int kConnectWaitMs = 2000;
constexpr std::size_t kReadChunk = 256;
}

sim::Frame request(uint16_t cmd, std::initializer_list<uint16_t> payload)
{
    sim::Frame f = sim::makeFrame(sim::kSyncWord, cmd);
    std::size_t word = 2;
    for (uint16_t w : payload)
        sim::setFrameWord(f, word++, w);
    return f;
}

Bytes bytesOf(const sim::Frame &frame)
{
    return {frame.begin(), frame.end()};
}

uint16_t wordAt(const Bytes &bytes, std::size_t word)
{
    if (2 * word + 1 >= bytes.size())
        return 0;
    return static_cast<uint16_t>((bytes[2 * word] << 8) | bytes[2 * word + 1]);
}

TcpClient::TcpClient(uint16_t port)
{
    socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
    socket_.waitForConnected(kConnectWaitMs);
}

bool TcpClient::ok() const
{
    return socket_.state() == QAbstractSocket::ConnectedState;
}

void TcpClient::sendBytes(const uint8_t *data, std::size_t size)
{
    socket_.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    socket_.waitForBytesWritten(kConnectWaitMs);
}

Bytes TcpClient::read(std::size_t count, int timeoutMs)
{
    Bytes out;
    auto t0 = Clock::now();
    while (out.size() < count) {
        if (socket_.bytesAvailable() == 0) {
            int left = timeoutMs - static_cast<int>(msSince(t0));
            if (left <= 0 || !socket_.waitForReadyRead(left))
                break;
        }
        QByteArray got = socket_.read(static_cast<qint64>(count - out.size()));
        out.insert(out.end(), got.begin(), got.end());
    }
    return out;
}

bool TcpClient::waitClosed(int timeoutMs)
{
    if (socket_.state() == QAbstractSocket::UnconnectedState)
        return true;
    return socket_.waitForDisconnected(timeoutMs);
}

PtyClient::PtyClient(const std::string &path)
{
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
}

PtyClient::~PtyClient()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void PtyClient::sendBytes(const uint8_t *data, std::size_t size)
{
    std::size_t done = 0;
    while (fd_ >= 0 && done < size) {
        ssize_t n = ::write(fd_, data + done, size - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR && errno != EAGAIN)
            break;
    }
}

Bytes PtyClient::read(std::size_t count, int timeoutMs)
{
    Bytes out;
    auto t0 = Clock::now();
    while (fd_ >= 0 && out.size() < count) {
        int left = timeoutMs - static_cast<int>(msSince(t0));
        pollfd p{fd_, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, left) <= 0 || (p.revents & POLLIN) == 0)
            break;
        uint8_t buf[kReadChunk];
        ssize_t n = ::read(fd_, buf, std::min(sizeof buf, count - out.size()));
        if (n <= 0)
            break;
        out.insert(out.end(), buf, buf + n);
    }
    return out;
}

bool PtyClient::waitClosed(int timeoutMs)
{
    auto t0 = Clock::now();
    while (fd_ >= 0) {
        int left = timeoutMs - static_cast<int>(msSince(t0));
        pollfd p{fd_, POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, left) <= 0)
            return false;
        if (p.revents & (POLLHUP | POLLERR))
            return true;
        uint8_t buf[kReadChunk];
        ssize_t n = ::read(fd_, buf, sizeof buf);
        if (n < 0 && errno == EIO)
            return true;
    }
    return false;
}

sim::SimConfig configFor(Link link)
{
    sim::SimConfig c;
    c.tcp = link == Link::Tcp;
    c.pty = link == Link::Pty;
    return c;
}

std::unique_ptr<Client> connectTo(const sim::SensorSim &sensor, Link link)
{
    if (link == Link::Tcp)
        return std::make_unique<TcpClient>(sensor.tcpPort());
    return std::make_unique<PtyClient>(sensor.ptyPath());
}

} // namespace simtest
