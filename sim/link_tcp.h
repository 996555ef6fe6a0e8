// The TCP side of the simulator: a listener on one address and port, and a
// session per accepted connection.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include "sim/link_session.h"

namespace sim {

class TcpSession : public LinkSession {
    Q_OBJECT
public:
    TcpSession(QTcpSocket *socket, QString name, QObject *parent = nullptr);
    bool isOpen() const override;

protected:
    int64_t writeRaw(const uint8_t *data, std::size_t size) override;
    void closeRaw() override;

private:
    void onReadyRead();

    QTcpSocket *socket_;   // owned through the Qt parent
};

class TcpLink : public QObject {
    Q_OBJECT
public:
    explicit TcpLink(QObject *parent = nullptr);

    // Starts listening on host:port (port 0 picks a free one). Returns false
    // with a message naming the address and the system's reason.
    bool listen(const QString &host, uint16_t port, QString *error);
    uint16_t port() const;
    void close();

signals:
    void sessionOpened(sim::LinkSession *session);

private:
    void onNewConnection();

    QTcpServer server_;
    int connections_ = 0;
};

} // namespace sim
