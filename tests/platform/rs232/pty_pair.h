// A pseudo-terminal pair for the serial tests: the test holds the master,
// the port under test opens the slave by its path.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <string>

class PtyPair {
public:
    PtyPair()
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        if (const char *name = ptsname(master_))
            slave_ = name;
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() { CloseMaster(); }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool Ok() const { return master_ >= 0 && !slave_.empty(); }
    const char *SlavePath() const { return slave_.c_str(); }

    // Sends bytes towards the port (they arrive at the slave).
    bool Send(const std::string &bytes) const
    {
        return master_ >= 0 && write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Collects what the port wrote, until want bytes have come or timeoutMs passed.
    std::string Receive(std::size_t want, int timeoutMs) const
    {
        std::string got;
        QDeadlineTimer deadline(timeoutMs);
        char buf[256];
        while (got.size() < want && !deadline.hasExpired()) {
            const ssize_t n = read(master_, buf, sizeof buf);
            if (n > 0)
                got.append(buf, static_cast<std::size_t>(n));
            else
                usleep(1000);
        }
        return got;
    }

    // The far end goes away, as when an adapter is unplugged.
    void CloseMaster()
    {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    std::string slave_;
};
