// An in-process TCP server for the client tests, and a callback that records
// what it was given.
#pragma once

#include "platform/tcp/tcpsupp.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>
#include <vector>

constexpr int kTestWaitMs = 2000;   // upper bound for loopback traffic to show up

class TestServer {
public:
    TestServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection())
                peers_.push_back(s);
        });
    }
    int Port() const { return server_.serverPort(); }
    // The server's side of the n-th connection, once it has been accepted.
    QTcpSocket *Peer(std::size_t n = 0)
    {
        (void)QTest::qWaitFor([&] { return peers_.size() > n; }, kTestWaitMs);
        return n < peers_.size() ? peers_[n].data() : nullptr;
    }
    // Sends bytes from the server side and waits until the system took them.
    void Send(const QByteArray &bytes, std::size_t n = 0)
    {
        if (QTcpSocket *p = Peer(n)) {
            p->write(bytes);
            p->waitForBytesWritten(kTestWaitMs);
        }
    }

private:
    QTcpServer server_;
    std::vector<QPointer<QTcpSocket>> peers_;
};

struct CallbackLog {
    std::vector<int> events;          // xType of every call, in order
    int depth = 0;                    // calls running now
    int maxDepth = 0;                 // the deepest nesting seen
    std::function<void(unsigned handle)> onData;   // what a data-ready call does
    int Count(int xType) const
    {
        int n = 0;
        for (int e : events)
            n += e == xType;
        return n;
    }
};

inline int LoggingCallback(unsigned handle, int xType, int /*errCode*/, void *callbackData)
{
    auto *log = static_cast<CallbackLog *>(callbackData);
    log->events.push_back(xType);
    ++log->depth;
    log->maxDepth = std::max(log->maxDepth, log->depth);
    if (xType == TCP_DATAREADY && log->onData)
        log->onData(handle);
    --log->depth;
    return 0;
}
