#include "sim/link_tcp.h"

namespace sim {

namespace {
constexpr qint64 kReadChunk = 512;   // bytes taken from the socket per read
}

TcpSession::TcpSession(QTcpSocket *socket, QString name, QObject *parent)
    : LinkSession(std::move(name), parent), socket_(socket)
{
    socket_->setParent(this);
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket_, &QTcpSocket::readyRead, this, &TcpSession::onReadyRead);
    connect(socket_, &QTcpSocket::disconnected, this, &TcpSession::transportClosed);
}

bool TcpSession::isOpen() const
{
    return socket_->state() == QAbstractSocket::ConnectedState;
}

void TcpSession::onReadyRead()
{
    char buf[kReadChunk];
    for (;;) {
        qint64 n = socket_->read(buf, sizeof buf);
        if (n <= 0)
            break;
        feed(reinterpret_cast<const uint8_t *>(buf), static_cast<std::size_t>(n));
    }
}

int64_t TcpSession::writeRaw(const uint8_t *data, std::size_t size)
{
    if (socket_->state() != QAbstractSocket::ConnectedState)
        return -1;
    qint64 n = socket_->write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    socket_->flush();
    return n;
}

void TcpSession::closeRaw()
{
    // Lets bytes already written leave before the FIN.
    socket_->disconnectFromHost();
}

TcpLink::TcpLink(QObject *parent) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, &TcpLink::onNewConnection);
}

bool TcpLink::listen(const QString &host, uint16_t port, QString *error)
{
    QHostAddress address;
    if (host == "localhost")
        address = QHostAddress::LocalHost;
    else if (!address.setAddress(host)) {
        *error = QStringLiteral("TCP %1: not an IP address").arg(host);
        return false;
    }
    if (!server_.listen(address, port)) {
        *error = QStringLiteral("TCP %1:%2: %3").arg(host).arg(port).arg(server_.errorString());
        return false;
    }
    return true;
}

uint16_t TcpLink::port() const
{
    return server_.serverPort();
}

void TcpLink::close()
{
    server_.close();
}

void TcpLink::onNewConnection()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        QString name = QStringLiteral("tcp#%1").arg(++connections_);
        emit sessionOpened(new TcpSession(socket, name));
    }
}

} // namespace sim
