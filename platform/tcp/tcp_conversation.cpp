// Connection table and event delivery.
//
// Rules the application's receive loop depends on:
// - The callback runs on the event-loop thread, inside event processing.
// - It is never re-entered for the same connection: the application's
//   callback processes events while it reads, and data or a close arriving
//   meanwhile are delivered after it has returned.
// - Qt's readyRead does not fire again for bytes already buffered, so when the
//   callback returns with data left (and it made progress or more came) a
//   TCP_DATAREADY is posted again. A callback that reads nothing is not called
//   again until new data come, which keeps an idle loop idle.
// - TCP_DISCONNECT comes once, after any remaining data, and the handle is
//   forgotten when that callback returns.
#include "platform/tcp/tcp_conversation.h"

#include <QMetaObject>

#include <map>

namespace tcp {
namespace {

std::map<unsigned, Conversation> g_table;
unsigned g_nextHandle = 1;

bool Busy(const Conversation &c)
{
    return c.callbackDepth > 0 || c.apiDepth > 0;
}

void DeliverData(unsigned handle);
void DeliverDisconnect(unsigned handle);

void QueueData(Conversation &c)
{
    if (c.deliveryQueued || !c.socket)
        return;
    c.deliveryQueued = true;
    const unsigned handle = c.handle;
    QMetaObject::invokeMethod(c.socket, [handle] {
        if (Conversation *q = Find(handle)) {
            q->deliveryQueued = false;
            DeliverData(handle);
        }
    }, Qt::QueuedConnection);
}

void QueueDisconnect(Conversation &c)
{
    if (!c.socket)
        return;
    const unsigned handle = c.handle;
    QMetaObject::invokeMethod(c.socket, [handle] { DeliverDisconnect(handle); }, Qt::QueuedConnection);
}

// After the callback or an API wait has ended: deliver what came meanwhile,
// data first, the close after it.
void DeliverLeftovers(Conversation &c, bool progress)
{
    const bool hasData = c.socket && c.socket->bytesAvailable() > 0;
    if (hasData && (progress || c.dataPending))
        QueueData(c);
    else if (c.closed && !c.disconnectDelivered && !c.deliveryQueued)
        QueueDisconnect(c);
    c.dataPending = false;
}

void DeliverData(unsigned handle)
{
    Conversation *c = Find(handle);
    if (!c || !c->socket || c->disconnectDelivered)
        return;
    if (Busy(*c)) {
        c->dataPending = true;
        return;
    }
    const qint64 availBefore = c->socket->bytesAvailable();
    if (availBefore <= 0)
        return;
    const quint64 takenBefore = c->bytesTaken;
    ++c->callbackDepth;
    c->callback(handle, TCP_DATAREADY, 0, c->callbackData);
    c = Find(handle);   // the callback may have disconnected
    if (!c)
        return;
    --c->callbackDepth;
    const qint64 availAfter = c->socket ? c->socket->bytesAvailable() : 0;
    const quint64 taken = c->bytesTaken - takenBefore;
    const bool arrived = availAfter + static_cast<qint64>(taken) > availBefore;
    DeliverLeftovers(*c, taken > 0 || arrived);
}

void DeliverDisconnect(unsigned handle)
{
    Conversation *c = Find(handle);
    if (!c || c->disconnectDelivered)
        return;
    if (Busy(*c) || c->deliveryQueued)
        return;   // goes out after them (DeliverLeftovers)
    c->disconnectDelivered = true;
    ++c->callbackDepth;
    c->callback(handle, TCP_DISCONNECT, 0, c->callbackData);
    Remove(handle);
}

void OnClosed(unsigned handle)
{
    Conversation *c = Find(handle);
    if (!c || c->closed)
        return;
    c->closed = true;
    if (!Busy(*c))
        DeliverLeftovers(*c, false);
}

}  // namespace

unsigned Add(QTcpSocket *socket, tcpFuncPtr callback, void *callbackData)
{
    if (g_table.size() >= kMaxConversations)
        return 0;
    const unsigned handle = g_nextHandle++;
    Conversation &c = g_table[handle];
    c.handle = handle;
    c.socket = socket;
    c.callback = callback;
    c.callbackData = callbackData;
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [handle] { DeliverData(handle); });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [handle] { OnClosed(handle); });
    QObject::connect(socket, &QTcpSocket::stateChanged, socket, [handle](QAbstractSocket::SocketState s) {
        if (s == QAbstractSocket::UnconnectedState)
            OnClosed(handle);
    });
    return handle;
}

Conversation *Find(unsigned handle)
{
    const auto it = g_table.find(handle);
    return it == g_table.end() ? nullptr : &it->second;
}

bool WasIssued(unsigned handle)
{
    return handle >= 1 && handle < g_nextHandle;
}

void Remove(unsigned handle)
{
    const auto it = g_table.find(handle);
    if (it == g_table.end())
        return;
    QPointer<QTcpSocket> socket = it->second.socket;
    g_table.erase(it);
    if (socket) {
        QObject::disconnect(socket, nullptr, socket, nullptr);
        socket->disconnectFromHost();
        socket->deleteLater();
    }
}

ApiScope::ApiScope(unsigned handle) : handle_(handle)
{
    if (Conversation *c = Find(handle_))
        ++c->apiDepth;
}

ApiScope::~ApiScope()
{
    Conversation *c = Find(handle_);
    if (!c)
        return;
    --c->apiDepth;
    if (!Busy(*c))
        DeliverLeftovers(*c, false);
}

}  // namespace tcp
