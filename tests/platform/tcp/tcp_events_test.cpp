// Data-ready and disconnect delivery, reads and writes on an open connection.
#include "platform/tcp/tcpsupp.h"
#include "tcp_test_server.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstring>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <string>

namespace {

constexpr int kConnectMs = 2000;
constexpr int kFrameBytes = 36;

class TcpEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(ConnectToTCPServer(&handle, server.Port(), "127.0.0.1", LoggingCallback, &log, kConnectMs), 0);
        ASSERT_NE(server.Peer(), nullptr);
    }
    void TearDown() override { DisconnectFromTCPServer(handle); }

    TestServer server;
    CallbackLog log;
    unsigned handle = 0;
    std::string received;   // what the callbacks read
};

// Reads what is there into `received`, at most `chunk` bytes per call.
std::function<void(unsigned)> ReadChunk(std::string &received, unsigned chunk)
{
    return [&received, chunk](unsigned h) {
        char buf[64];
        const int n = ClientTCPRead(h, buf, std::min<unsigned>(chunk, sizeof buf), 0);
        if (n > 0)
            received.append(buf, static_cast<std::size_t>(n));
    };
}

TEST_F(TcpEvents, DataArrivesThroughTheCallbackInsideEventProcessing)
{
    log.onData = ReadChunk(received, 64);
    server.Send(QByteArray(kFrameBytes, 'A'));
    EXPECT_TRUE(log.events.empty());   // nothing before events are processed
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == kFrameBytes; }, kTestWaitMs));
    EXPECT_EQ(received, std::string(kFrameBytes, 'A'));
    EXPECT_EQ(log.Count(TCP_DISCONNECT), 0);
}

TEST_F(TcpEvents, LeftoverBytesAreDeliveredAgainWithoutNewData)
{
    log.onData = ReadChunk(received, 10);
    server.Send(QByteArray(kFrameBytes, 'B'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == kFrameBytes; }, kTestWaitMs));
    EXPECT_EQ(log.Count(TCP_DATAREADY), 4);   // 10 + 10 + 10 + 6
}

TEST_F(TcpEvents, CallbackIsNotReenteredWhileItProcessesEvents)
{
    // Like the application: read the reply in pieces, processing events in
    // between, while the server sends more.
    int sent = 0;
    log.onData = [&](unsigned h) {
        char buf[8];
        const int n = ClientTCPRead(h, buf, sizeof buf, 0);
        if (n > 0)
            received.append(buf, static_cast<std::size_t>(n));
        if (sent++ < 3)
            server.Send(QByteArray(8, 'C'));
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 30)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    server.Send(QByteArray(8, 'C'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 32; }, kTestWaitMs));
    EXPECT_EQ(log.maxDepth, 1);
}

TEST_F(TcpEvents, CallbackThatReadsNothingIsNotCalledInALoop)
{
    server.Send(QByteArray(4, 'D'));
    QTest::qWait(100);
    EXPECT_EQ(log.Count(TCP_DATAREADY), 1);
    // New data bring a new call, and the bytes are all still there.
    server.Send(QByteArray(4, 'E'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.Count(TCP_DATAREADY) == 2; }, kTestWaitMs));
    char buf[16];
    EXPECT_EQ(ClientTCPRead(handle, buf, sizeof buf, 0), 8);
}

TEST_F(TcpEvents, ServerCloseIsReportedOnceAndTheHandleIsGoneAfterwards)
{
    server.Peer()->disconnectFromHost();
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.Count(TCP_DISCONNECT) == 1; }, kTestWaitMs));
    QTest::qWait(50);
    EXPECT_EQ(log.Count(TCP_DISCONNECT), 1);
    char buf[4] = {};
    EXPECT_EQ(ClientTCPRead(handle, buf, 4, 100), kTCP_ConnectionClosed);
    EXPECT_EQ(ClientTCPWrite(handle, buf, 4, 100), kTCP_ConnectionClosed);
}

TEST_F(TcpEvents, DataSentJustBeforeTheCloseIsDeliveredBeforeTheDisconnect)
{
    log.onData = ReadChunk(received, 10);
    QTcpSocket *peer = server.Peer();
    peer->write(QByteArray(kFrameBytes, 'F'));
    peer->disconnectFromHost();
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.Count(TCP_DISCONNECT) == 1; }, kTestWaitMs));
    EXPECT_EQ(received, std::string(kFrameBytes, 'F'));
    EXPECT_EQ(log.events.back(), TCP_DISCONNECT);
}

TEST_F(TcpEvents, CloseDuringTheCallbackWaitsUntilItReturns)
{
    bool closedInside = false;
    log.onData = [&](unsigned h) {
        char buf[64];
        ClientTCPRead(h, buf, sizeof buf, 0);
        server.Peer()->disconnectFromHost();
        QTest::qWait(50);
        closedInside = log.Count(TCP_DISCONNECT) == 0;
        // Nothing left and the peer gone: a read says so at once.
        closedInside = closedInside && ClientTCPRead(h, buf, sizeof buf, 1000) == kTCP_ConnectionClosed;
    };
    server.Send("x");
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.Count(TCP_DISCONNECT) == 1; }, kTestWaitMs));
    EXPECT_TRUE(closedInside);
    EXPECT_EQ(log.maxDepth, 1);
}

TEST_F(TcpEvents, DisconnectInsideTheOwnCallbackIsSafe)
{
    log.onData = [](unsigned h) { DisconnectFromTCPServer(h); };
    server.Send("bye");
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.Count(TCP_DATAREADY) == 1; }, kTestWaitMs));
    QTest::qWait(50);
    EXPECT_EQ(log.Count(TCP_DISCONNECT), 0);
    char buf[4];
    EXPECT_EQ(ClientTCPRead(handle, buf, 4, 0), kTCP_ConnectionClosed);
}

TEST_F(TcpEvents, ReadTimesOutWhenNothingComes)
{
    char buf[kFrameBytes];
    EXPECT_EQ(ClientTCPRead(handle, buf, sizeof buf, 50), kTCP_TimeOutErr);
    EXPECT_EQ(ClientTCPRead(handle, buf, sizeof buf, 0), kTCP_TimeOutErr);
}

TEST_F(TcpEvents, ReadIsBoundedBySizeAndWaitsForData)
{
    server.Send("0123456789");
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(ClientTCPRead(handle, buf, 4, kTestWaitMs), 4);
    EXPECT_EQ(std::string(buf, 8), "0123####");
    EXPECT_EQ(ClientTCPRead(handle, buf, 8, 0), 6);
    EXPECT_EQ(std::string(buf, 6), "456789");
    // Data that come while the read waits (sent past the event loop, which
    // the waiting read blocks).
    const int fd = static_cast<int>(server.Peer()->socketDescriptor());
    std::thread later([fd] {
        usleep(50000);
        ::send(fd, "late", 4, 0);
    });
    const int n = ClientTCPRead(handle, buf, 8, kTestWaitMs);
    later.join();
    EXPECT_EQ(n, 4);
    EXPECT_EQ(std::string(buf, 4), "late");
}

TEST_F(TcpEvents, ReadOutsideTheCallbackIsNotStolenByIt)
{
    log.onData = ReadChunk(received, 64);
    server.Peer()->write("mine");
    server.Peer()->flush();
    char buf[8] = {};
    EXPECT_EQ(ClientTCPRead(handle, buf, 4, kTestWaitMs), 4);
    EXPECT_EQ(std::string(buf, 4), "mine");
    QTest::qWait(20);
    EXPECT_TRUE(received.empty());
}

TEST_F(TcpEvents, WriteDeliversAllBytes)
{
    const QByteArray frame(kFrameBytes, '\x55');
    EXPECT_EQ(ClientTCPWrite(handle, frame.constData(), kFrameBytes, 2000), kFrameBytes);
    QTcpSocket *peer = server.Peer();
    EXPECT_TRUE(QTest::qWaitFor([peer] { return peer->bytesAvailable() >= kFrameBytes; }, kTestWaitMs));
    EXPECT_EQ(peer->readAll(), frame);
    EXPECT_EQ(ClientTCPWrite(handle, nullptr, 4, 100), kTCP_InvalidParameter);
    EXPECT_EQ(ClientTCPWrite(handle, frame.constData(), 0, 100), 0);
}

}  // namespace
