// A TCP peer that never pauses: one that floods while no reply is awaited,
// one that floods before a request goes out, and one that starts flooding
// after the reply wait has timed out. Figures: growth of the program's
// resident memory, how fast the unwanted bytes are read and dropped, and
// how long a request and the window's event processing can be held up.
#include <QApplication>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "bench_support.h"
#include "com232/frame.h"
#include "com232/transport.h"
#include "gui/polling.h"
#include "platform/userint/userint.h"

using namespace orvbench;

namespace {

constexpr double kFloodS = 2.0;            // how long each flood is watched
constexpr double kSilenceS = 3.3;          // past the 3.0 s reply limit
constexpr double kRssLimitMb = 8.0;        // growth while flooded
constexpr double kDropRateLimitMbS = 20.0; // unwanted bytes still read and dropped
constexpr double kRequestLimitS = 0.1;     // a request sent while flooded
constexpr double kStallLimitS = 0.25;      // longest gap between event turns
constexpr double kWatchdogS = 60.0;        // a loop that never ends
constexpr int kChunkBytes = 64 * 1024;

double RssMb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        std::getline(status, key);
    }
    return 0;
}

// A peer on 127.0.0.1 that sends without pause: at once, or only after it
// has received one request and kept silent past the reply limit.
class FloodPeer {
public:
    explicit FloodPeer(bool afterRequest) : afterRequest_(afterRequest)
    {
        listen_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listen_, reinterpret_cast<sockaddr *>(&a), sizeof a);
        socklen_t len = sizeof a;
        getsockname(listen_, reinterpret_cast<sockaddr *>(&a), &len);
        port_ = ntohs(a.sin_port);
        ::listen(listen_, 1);
        thread_ = std::thread([this] { Run(); });
    }
    ~FloodPeer()
    {
        stop_ = true;
        shutdown(listen_, SHUT_RDWR);
        if (conn_ >= 0)
            shutdown(conn_, SHUT_RDWR);
        thread_.join();
        close(listen_);
        if (conn_ >= 0)
            close(conn_);
    }
    int port() const { return port_; }
    double sentMb() const { return sent_ / (1024.0 * 1024.0); }
    bool flooding() const { return flooding_; }

private:
    void Run()
    {
        conn_ = accept(listen_, nullptr, nullptr);
        if (conn_ < 0)
            return;
        if (afterRequest_) {
            char request[orvelle::kFrameBytes];
            if (recv(conn_, request, sizeof request, MSG_WAITALL) <= 0)
                return;
            std::this_thread::sleep_for(std::chrono::duration<double>(kSilenceS));
        }
        static char chunk[kChunkBytes];
        std::memset(chunk, 0x5A, sizeof chunk);
        flooding_ = true;
        while (!stop_) {
            const ssize_t n = send(conn_, chunk, sizeof chunk, MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent_ += static_cast<unsigned long>(n);
        }
    }
    bool afterRequest_;
    int listen_ = -1, conn_ = -1, port_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false}, flooding_{false};
    std::atomic<unsigned long> sent_{0};
};

void ConnectTo(const FloodPeer &peer)
{
    std::snprintf(orvelle::ipBuf, sizeof orvelle::ipBuf, "127.0.0.1");
    orvelle::portNum = peer.port();
    orvelle::InitTCP_IP();
    if (orvelle::tcpcon != 1) {
        std::fprintf(stderr, "no connection to the flooding peer\n");
        std::exit(2);
    }
}

// Processes events for kFloodS while the peer floods; reports memory growth,
// the rate at which the bytes went, and the longest gap between two turns.
bool WatchFlood(const char *what, const FloodPeer &peer, double rss0)
{
    const double sent0 = peer.sentMb();
    const double start = Timer();
    double last = start, stall = 0;
    while (Timer() - start < kFloodS) {
        ProcessSystemEvents();
        const double now = Timer();
        stall = std::max(stall, now - last);
        last = now;
    }
    const double rate = (peer.sentMb() - sent0) / kFloodS;
    std::printf("%s\n", what);
    bool ok = Report("  resident memory growth", RssMb() - rss0, "MB", true, kRssLimitMb);
    ok &= Report("  bytes read and dropped", rate, "MB/s", false, kDropRateLimitMbS);
    ok &= Report("  longest gap between event turns", stall, "s", true, kStallLimitS);
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::duration<double>(kWatchdogS));
        std::printf("a drop loop never ended: OVER\n");
        std::fflush(stdout);
        std::_Exit(1);
    }).detach();
    Rig rig(false, false);
    bool ok = true;
    {
        FloodPeer peer(false);
        const double rss0 = RssMb();
        ConnectTo(peer);
        ok &= WatchFlood("peer flooding while no reply is awaited", peer, rss0);
        // The request goes out: stale bytes are dropped first, boundedly.
        const double t0 = Timer();
        orvelle::order = orvelle::kCmdReadData;
        orvelle::FillTxBuf(orvelle::order, 0, 0, 0);
        orvelle::SendFrame(orvelle::kTcpWriteTimeoutMs);
        ok &= Report("  request sent while flooded", Timer() - t0, "s", true, kRequestLimitS);
    }
    {
        FloodPeer peer(true);
        ConnectTo(peer);
        orvelle::order = orvelle::kCmdReadData;
        orvelle::FillTxBuf(orvelle::order, 0, 0, 0);
        orvelle::GetDataFrame();  // times out: the peer keeps silent
        while (!peer.flooding())
            ProcessSystemEvents();
        const double rss0 = RssMb();
        ok &= WatchFlood("peer flooding after the reply wait timed out", peer, rss0);
    }
    return ok ? 0 : 1;
}
