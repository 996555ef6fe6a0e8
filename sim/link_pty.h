// The serial side of the simulator: a pseudo-terminal pair. The program
// opens the slave device as its serial port; the simulator works the
// master. The simulator keeps a descriptor of the slave open itself, so the
// pair stays alive (and keeps its raw settings) while the program closes
// and reopens the port.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include "sim/link_session.h"

namespace sim {

class PtySession : public LinkSession {
    Q_OBJECT
public:
    explicit PtySession(QObject *parent = nullptr);
    ~PtySession() override;

    // Creates the pair, raw 8N1 at 19200 baud. Returns false with a message
    // giving the system's reason.
    bool open(QString *error);
    QString slavePath() const { return slavePath_; }
    bool isOpen() const override { return master_ >= 0; }

protected:
    int64_t writeRaw(const uint8_t *data, std::size_t size) override;
    void closeRaw() override;
    bool drained() const override;

private:
    void onReadable();
    void closeFds();

    int master_ = -1;
    int slaveHold_ = -1;
    QString slavePath_;
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace sim
