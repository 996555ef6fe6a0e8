// The program opens the simulator's pty with Qt's serial port class, set to
// the sensor's line settings; that must work, and work again after a close.
#include <QSerialPort>

#include "sim_fixture.h"

namespace {

using namespace simtest;

Bytes exchangeOnPort(QSerialPort &port, const sim::Frame &frame)
{
    port.write(reinterpret_cast<const char *>(frame.data()), frame.size());
    port.waitForBytesWritten(kReplyWaitMs);
    QByteArray got;
    auto t0 = Clock::now();
    while (got.size() < int(sim::kFrameBytes) && msSince(t0) < kReplyWaitMs) {
        if (port.bytesAvailable() == 0 && !port.waitForReadyRead(kReplyWaitMs))
            break;
        got += port.read(sim::kFrameBytes - got.size());
    }
    return {got.begin(), got.end()};
}

bool openAt19200(QSerialPort &port, const std::string &path)
{
    port.setPortName(QString::fromStdString(path));
    port.setBaudRate(QSerialPort::Baud19200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return port.open(QIODevice::ReadWrite);
}

class SimSerialPort : public SimLinkTest {};

TEST_P(SimSerialPort, OpensExchangesAndReopens)
{
    client.reset();
    for (int round = 0; round < 2; ++round) {
        QSerialPort port;
        ASSERT_TRUE(openAt19200(port, sensor->ptyPath())) << port.errorString().toStdString();
        EXPECT_EQ(exchangeOnPort(port, request(sim::kCmdIdentify)), idReply());
        sim::Frame write = request(sim::kCmdWriteParams, {0x0D0A, 0x1113});
        EXPECT_EQ(wordAt(exchangeOnPort(port, write), 2), 0x0D0A);
    }
}

TEST_P(SimSerialPort, ClosedMasterShowsAsAnErrorOnThePort)
{
    client.reset();
    QSerialPort port;
    ASSERT_TRUE(openAt19200(port, sensor->ptyPath()));
    sim::FaultConfig f;
    f.closeAfterFrames = 1;
    sensor->setFaults(f);
    EXPECT_EQ(exchangeOnPort(port, request(sim::kCmdIdentify)), idReply());
    auto t0 = Clock::now();
    while (port.error() == QSerialPort::NoError && msSince(t0) < kReplyWaitMs)
        port.waitForReadyRead(50);
    EXPECT_NE(port.error(), QSerialPort::NoError);
}

INSTANTIATE_TEST_SUITE_P(Link, SimSerialPort, ::testing::Values(Link::Pty), linkName);

} // namespace
