// The EEPROM outlives the simulator through its file; RAM does not.
#include <QFile>
#include <QTemporaryDir>

#include "sim_fixture.h"

namespace {

using namespace simtest;

class SimEeprom : public ::testing::Test {
protected:
    std::unique_ptr<sim::SensorSim> powerOn()
    {
        sim::SimConfig config = configFor(Link::Tcp);
        config.eepromPath = path;
        auto sensor = std::make_unique<sim::SensorSim>(config);
        std::string error;
        EXPECT_TRUE(sensor->start(&error)) << error;
        return sensor;
    }

    QTemporaryDir dir;
    std::string path = dir.filePath("eeprom.txt").toStdString();
};

TEST_F(SimEeprom, StoredSetSurvivesARestartAndRamDoesNot)
{
    {
        auto sensor = powerOn();
        EXPECT_EQ(sensor->ram(), sim::defaultParamSet());
        TcpClient client(sensor->tcpPort());
        client.exchange(request(sim::kCmdWriteParams, {1000, 3, 4, 0, 10, 100, 4, 1}));
        client.exchange(request(sim::kCmdWriteRow, {5, 1, 2, 3, 4, 5, 6}));
        EXPECT_EQ(wordAt(client.exchange(request(sim::kCmdStoreEeprom)), 1), sim::kCmdStoreEeprom);
        client.exchange(request(sim::kCmdWriteParams, {1, 3, 4, 0, 10, 100, 4, 1}));
    }
    auto sensor = powerOn();
    TcpClient client(sensor->tcpPort());
    EXPECT_EQ(wordAt(client.exchange(request(sim::kCmdReadParams)), 2), 1000);
    Bytes row = client.exchange(request(sim::kCmdReadRow, {5}));
    EXPECT_EQ(wordAt(row, 3), 1);
    EXPECT_EQ(wordAt(row, 8), 6);
    EXPECT_EQ(sensor->ram(), sensor->eeprom());
    EXPECT_TRUE(sensor->lastError().empty());
}

TEST_F(SimEeprom, RestartInProcessIsAPowerCycle)
{
    auto sensor = powerOn();
    sim::ParamSet ram = sim::defaultParamSet();
    ram.params[sim::kSlotPower] = 5;
    sensor->setRam(ram);
    sensor->stop();
    EXPECT_TRUE(sensor->start());
    EXPECT_EQ(sensor->ram(), sim::defaultParamSet());
    TcpClient client(sensor->tcpPort());
    EXPECT_EQ(client.exchange(request(sim::kCmdIdentify)).size(), 36u);
}

TEST_F(SimEeprom, BadFileIsReportedAndLeftAsItIs)
{
    const QByteArray junk = "not an eeprom\n";
    {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(junk);
    }
    auto sensor = powerOn();
    EXPECT_FALSE(sensor->lastError().empty());
    EXPECT_EQ(sensor->ram(), sim::defaultParamSet());
    TcpClient client(sensor->tcpPort());
    EXPECT_EQ(wordAt(client.exchange(request(sim::kCmdReadParams)), 2), 800);
    sensor->stop();
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), junk);
}

} // namespace
