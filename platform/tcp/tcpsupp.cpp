// TCP client services on QTcpSocket. Connection table and callback delivery
// are in tcp_conversation.cpp.
//
// Codes of ConnectToTCPServer:
//   kTCP_InvalidParameter            null handle pointer, empty host, port outside
//                                    1..65535, negative time-out
//   kTCP_UnableToEstablishConnection the host answered but nobody listens
//                                    (refused), or the network cannot reach it
//   kTCP_FailedToConnect             the host name cannot be resolved, or any
//                                    other failure
//   kTCP_TimeOutErr                  no answer within the time-out
//   kTCP_TooManyConversations        the connection table is full
// Reads and writes on a handle that was given out but has closed since give
// kTCP_ConnectionClosed; on a handle never given out (0 included)
// kTCP_NoConnectionEstablished.
#include "platform/tcp/tcpsupp.h"
#include "platform/tcp/tcp_conversation.h"
#include "platform/events/event_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <string>

namespace {

constexpr int kMaxPort = 65535;
// Bytes a connection holds that nobody has read yet. Beyond it the socket
// stops taking data from the system, whose flow control then holds the
// peer back: a peer sending faster than the program reads cannot fill the
// memory.
constexpr qint64 kReadBufferBytes = 64 * 1024;

std::string g_lastError;

int RemainingMs(const QDeadlineTimer &deadline)
{
    const qint64 ms = deadline.remainingTime();
    return ms > INT_MAX ? INT_MAX : static_cast<int>(std::max<qint64>(ms, 0));
}

// The code for a handle that has no open conversation.
int MissingHandleCode(unsigned handle)
{
    return tcp::WasIssued(handle) ? kTCP_ConnectionClosed : kTCP_NoConnectionEstablished;
}

int ConnectErrorCode(QAbstractSocket::SocketError e)
{
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::SocketTimeoutError:
        return kTCP_UnableToEstablishConnection;
    default:
        return kTCP_FailedToConnect;
    }
}

// Runs events (but no operator input) until the socket is connected, has
// failed, or timeoutMs have passed; repaints go on meanwhile.
void WaitForConnected(QTcpSocket *socket, int timeoutMs)
{
    const auto settled = [socket] {
        const auto s = socket->state();
        return s == QAbstractSocket::ConnectedState || s == QAbstractSocket::UnconnectedState;
    };
    if (settled() || timeoutMs == 0)
        return;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!settled())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// Why the connection failed, in words that name the server.
std::string ConnectFailureText(QTcpSocket *socket, const char *host, const std::string &where)
{
    switch (socket->error()) {
    case QAbstractSocket::ConnectionRefusedError: return "Connection refused by " + where;
    case QAbstractSocket::HostNotFoundError: return "server name " + std::string(host) + " not found";
    default: return where + ": " + socket->errorString().toStdString();
    }
}

void Discard(QTcpSocket *socket)
{
    QObject::disconnect(socket, nullptr, nullptr, nullptr);
    socket->abort();
    socket->deleteLater();
}

}  // namespace

// Connects to serverHostName:portNumber within timeoutMs (0: no wait). The
// callback is not called for the connect itself. *conversationHandle gets the
// handle (> 0), or 0 on failure. Returns 0 or a code listed at the top.
int ConnectToTCPServer(unsigned *conversationHandle, int portNumber, const char *serverHostName,
                       tcpFuncPtr callback, void *callbackData, int timeoutMs)
{
    if (!conversationHandle)
        return kTCP_InvalidParameter;
    *conversationHandle = 0;
    if (!serverHostName || !*serverHostName || portNumber < 1 || portNumber > kMaxPort || timeoutMs < 0) {
        g_lastError = "invalid host, port or time-out";
        return kTCP_InvalidParameter;
    }
    auto *socket = new QTcpSocket(QCoreApplication::instance());
    socket->setReadBufferSize(kReadBufferBytes);
    socket->connectToHost(QString::fromUtf8(serverHostName), static_cast<quint16>(portNumber));
    WaitForConnected(socket, timeoutMs);
    const std::string where = std::string(serverHostName) + ":" + std::to_string(portNumber);
    if (socket->state() != QAbstractSocket::ConnectedState) {
        const bool failed = socket->state() == QAbstractSocket::UnconnectedState;
        g_lastError = failed ? ConnectFailureText(socket, serverHostName, where)
                             : "no answer from " + where + " within " +
                                   std::to_string(timeoutMs) + " ms";
        const int code = failed ? ConnectErrorCode(socket->error()) : kTCP_TimeOutErr;
        Discard(socket);
        return code;
    }
    const unsigned handle = tcp::Add(socket, callback, callbackData);
    if (handle == 0) {
        g_lastError = where + ": too many connections";
        Discard(socket);
        return kTCP_TooManyConversations;
    }
    g_lastError.clear();
    *conversationHandle = handle;
    return 0;
}

// Closes the connection without calling its callback; the handle is invalid
// afterwards. Safe inside that connection's own callback.
int DisconnectFromTCPServer(unsigned conversationHandle)
{
    if (!tcp::Find(conversationHandle))
        return MissingHandleCode(conversationHandle);
    tcp::Remove(conversationHandle);
    return 0;
}

// Writes all dataSize bytes, waiting up to timeoutMs until the system has
// taken them. Returns dataSize, kTCP_TimeOutErr (the rest is dropped),
// kTCP_ConnectionClosed, kTCP_WriteFailed or kTCP_InvalidParameter.
int ClientTCPWrite(unsigned conversationHandle, const void *data, unsigned dataSize, int timeoutMs)
{
    tcp::Conversation *c = tcp::Find(conversationHandle);
    if (!c)
        return MissingHandleCode(conversationHandle);
    if ((!data && dataSize > 0) || dataSize > INT_MAX || timeoutMs < 0)
        return kTCP_InvalidParameter;
    QTcpSocket *socket = c->socket;
    if (c->closed || !socket || socket->state() != QAbstractSocket::ConnectedState)
        return kTCP_ConnectionClosed;
    if (dataSize == 0)
        return 0;
    tcp::ApiScope scope(conversationHandle);
    if (socket->write(static_cast<const char *>(data), dataSize) != static_cast<qint64>(dataSize))
        return kTCP_WriteFailed;
    const QDeadlineTimer deadline(timeoutMs);
    socket->flush();
    while (socket->bytesToWrite() > 0 && socket->state() == QAbstractSocket::ConnectedState
           && !deadline.hasExpired())
        socket->waitForBytesWritten(RemainingMs(deadline));
    if (socket->state() != QAbstractSocket::ConnectedState)
        return kTCP_ConnectionClosed;
    if (socket->bytesToWrite() > 0) {
        socket->abort();   // a half frame must not go out later
        return kTCP_TimeOutErr;
    }
    plat::noteLinkActivity();
    return static_cast<int>(dataSize);
}

// Returns at once with what is buffered (at most dataSize bytes); with nothing
// buffered waits up to timeoutMs for data. Returns the byte count,
// kTCP_TimeOutErr when nothing came, kTCP_ConnectionClosed when the
// connection has closed and nothing is left to read.
int ClientTCPRead(unsigned conversationHandle, void *buffer, unsigned dataSize, int timeoutMs)
{
    tcp::Conversation *c = tcp::Find(conversationHandle);
    if (!c)
        return MissingHandleCode(conversationHandle);
    if ((!buffer && dataSize > 0) || timeoutMs < 0)
        return kTCP_InvalidParameter;
    QTcpSocket *socket = c->socket;
    if (!socket)
        return kTCP_ConnectionClosed;
    if (dataSize == 0)
        return 0;
    tcp::ApiScope scope(conversationHandle);
    const QDeadlineTimer deadline(timeoutMs);
    while (socket->bytesAvailable() == 0 && socket->state() == QAbstractSocket::ConnectedState) {
        socket->waitForReadyRead(RemainingMs(deadline));
        if (deadline.hasExpired())
            break;
    }
    const qint64 avail = socket->bytesAvailable();
    if (avail > 0) {
        const qint64 want = std::min<qint64>({avail, static_cast<qint64>(dataSize), INT_MAX});
        const qint64 n = socket->read(static_cast<char *>(buffer), want);
        if (n < 0)
            return kTCP_ReadFailed;
        c->bytesTaken += static_cast<quint64>(n);
        plat::noteLinkActivity();
        return static_cast<int>(n);
    }
    return socket->state() == QAbstractSocket::ConnectedState ? kTCP_TimeOutErr : kTCP_ConnectionClosed;
}

// The host and the system's reason of the last failed connect, "" after a
// successful one.
const char *GetTCPSystemErrorString()
{
    return g_lastError.c_str();
}
