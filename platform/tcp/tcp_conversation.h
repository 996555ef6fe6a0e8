// The table of open TCP client connections and the delivery of their events
// to the connection callback. tcpsupp.cpp builds on it.
#pragma once

#include "platform/tcp/tcpsupp.h"

#include <QPointer>
#include <QTcpSocket>

namespace tcp {

struct Conversation {
    unsigned handle = 0;
    QPointer<QTcpSocket> socket;
    tcpFuncPtr callback = nullptr;
    void *callbackData = nullptr;
    int callbackDepth = 0;         // > 0 while the callback for this connection runs
    int apiDepth = 0;              // > 0 while a read or write waits on the socket
    bool deliveryQueued = false;   // a TCP_DATAREADY is posted
    bool dataPending = false;      // data came while the callback could not run
    bool closed = false;           // the server closed the connection
    bool disconnectDelivered = false;
    quint64 bytesTaken = 0;        // read by ClientTCPRead, in total
};

constexpr int kMaxConversations = 64;

// Enters a connected socket into the table and wires its signals; returns the
// new handle, or 0 when the table is full (the socket is then left alone).
unsigned Add(QTcpSocket *socket, tcpFuncPtr callback, void *callbackData);
// The conversation of a handle, or nullptr.
Conversation *Find(unsigned handle);
// True when the handle was given out once (it may have closed since).
bool WasIssued(unsigned handle);
// Forgets the conversation without calling the callback and closes its socket.
void Remove(unsigned handle);

// Brackets a read or write that waits on the socket: callbacks for this
// connection wait until it ends, then what came meanwhile is delivered.
class ApiScope {
public:
    explicit ApiScope(unsigned handle);
    ~ApiScope();
    ApiScope(const ApiScope &) = delete;
    ApiScope &operator=(const ApiScope &) = delete;

private:
    unsigned handle_;
};

}  // namespace tcp
