// Connecting, the codes of failed connects, and closing from the client side.
#include "platform/tcp/tcpsupp.h"
#include "tcp_test_server.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

constexpr int kConnectMs = 2000;
constexpr int kShortMs = 300;

// A local port whose accept queue is full: connects to it get no answer.
class SilentPort {
public:
    SilentPort()
    {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        bind(listener_, reinterpret_cast<sockaddr *>(&a), len);
        listen(listener_, 0);
        getsockname(listener_, reinterpret_cast<sockaddr *>(&a), &len);
        port_ = ntohs(a.sin_port);
        for (int i = 0; i < kFillers; ++i) {
            const int s = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            connect(s, reinterpret_cast<sockaddr *>(&a), len);
            fillers_.push_back(s);
        }
        usleep(50000);
    }
    ~SilentPort()
    {
        for (int s : fillers_)
            close(s);
        close(listener_);
    }
    int Port() const { return port_; }

private:
    static constexpr int kFillers = 4;
    int listener_ = -1;
    int port_ = 0;
    std::vector<int> fillers_;
};

// A port where nobody listens.
int ClosedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const int port = s.serverPort();
    s.close();
    return port;
}

TEST(TcpConnect, SucceedsWithDistinctHandlesAndNoConnectEvent)
{
    TestServer server;
    CallbackLog log;
    unsigned a = 0, b = 0;
    ASSERT_EQ(ConnectToTCPServer(&a, server.Port(), "127.0.0.1", LoggingCallback, &log, kConnectMs), 0);
    ASSERT_EQ(ConnectToTCPServer(&b, server.Port(), "localhost", LoggingCallback, &log, kConnectMs), 0);
    EXPECT_GT(a, 0u);
    EXPECT_GT(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_NE(server.Peer(1), nullptr);
    QTest::qWait(20);
    EXPECT_TRUE(log.events.empty());
    EXPECT_STREQ(GetTCPSystemErrorString(), "");
    EXPECT_EQ(DisconnectFromTCPServer(a), 0);
    EXPECT_EQ(DisconnectFromTCPServer(b), 0);
}

TEST(TcpConnect, RefusedPortCannotEstablishAConnection)
{
    CallbackLog log;
    unsigned h = 99;
    const int port = ClosedPort();
    EXPECT_EQ(ConnectToTCPServer(&h, port, "127.0.0.1", LoggingCallback, &log, kConnectMs),
              kTCP_UnableToEstablishConnection);
    EXPECT_EQ(h, 0u);
    EXPECT_NE(std::string(GetTCPSystemErrorString()).find(std::to_string(port)), std::string::npos);
}

TEST(TcpConnect, UnknownHostFailsToConnect)
{
    CallbackLog log;
    unsigned h = 0;
    EXPECT_EQ(ConnectToTCPServer(&h, 5000, "orvelle-test.invalid", LoggingCallback, &log, kConnectMs),
              kTCP_FailedToConnect);
    EXPECT_EQ(h, 0u);
}

TEST(TcpConnect, SilentServerTimesOut)
{
    SilentPort silent;
    CallbackLog log;
    unsigned h = 0;
    EXPECT_EQ(ConnectToTCPServer(&h, silent.Port(), "127.0.0.1", LoggingCallback, &log, kShortMs),
              kTCP_TimeOutErr);
    EXPECT_EQ(h, 0u);
}

TEST(TcpConnect, BadArgumentsAreRefused)
{
    CallbackLog log;
    unsigned h = 0;
    EXPECT_EQ(ConnectToTCPServer(nullptr, 80, "127.0.0.1", LoggingCallback, &log, kShortMs),
              kTCP_InvalidParameter);
    EXPECT_EQ(ConnectToTCPServer(&h, 0, "127.0.0.1", LoggingCallback, &log, kShortMs), kTCP_InvalidParameter);
    EXPECT_EQ(ConnectToTCPServer(&h, 70000, "127.0.0.1", LoggingCallback, &log, kShortMs),
              kTCP_InvalidParameter);
    EXPECT_EQ(ConnectToTCPServer(&h, 80, "", LoggingCallback, &log, kShortMs), kTCP_InvalidParameter);
    EXPECT_EQ(ConnectToTCPServer(&h, 80, nullptr, LoggingCallback, &log, kShortMs), kTCP_InvalidParameter);
}

TEST(TcpConnect, HandlesNeverGivenOutAreNotConnections)
{
    char buf[4];
    EXPECT_EQ(ClientTCPRead(0, buf, 4, 0), kTCP_NoConnectionEstablished);
    EXPECT_EQ(ClientTCPWrite(0, buf, 4, 0), kTCP_NoConnectionEstablished);
    EXPECT_EQ(ClientTCPRead(0x7fffffffu, buf, 4, 0), kTCP_NoConnectionEstablished);
    EXPECT_EQ(DisconnectFromTCPServer(0), kTCP_NoConnectionEstablished);
}

TEST(TcpConnect, ClientDisconnectClosesWithoutCallbackAndInvalidatesTheHandle)
{
    TestServer server;
    CallbackLog log;
    unsigned h = 0;
    ASSERT_EQ(ConnectToTCPServer(&h, server.Port(), "127.0.0.1", LoggingCallback, &log, kConnectMs), 0);
    QTcpSocket *peer = server.Peer();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(DisconnectFromTCPServer(h), 0);
    EXPECT_TRUE(QTest::qWaitFor([peer] { return peer->state() != QAbstractSocket::ConnectedState; },
                                kTestWaitMs));
    QTest::qWait(20);
    EXPECT_TRUE(log.events.empty());
    char buf[4];
    EXPECT_EQ(ClientTCPRead(h, buf, 4, 0), kTCP_ConnectionClosed);
    EXPECT_EQ(ClientTCPWrite(h, buf, 4, 100), kTCP_ConnectionClosed);
    EXPECT_EQ(DisconnectFromTCPServer(h), kTCP_ConnectionClosed);
}

}  // namespace
