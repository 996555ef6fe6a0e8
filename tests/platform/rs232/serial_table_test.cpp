// The COM number -> device table, its overrides, and the codes for port
// numbers and devices that cannot be used.
#include "platform/rs232/rs232.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <string>

namespace {

constexpr int kTestPort = 7;

int OpenDefault(int port, const char *device = "")
{
    return OpenComConfig(port, device, 19200, 0, 8, 1, 1024, 1024);
}

class SerialTable : public ::testing::Test {
protected:
    void TearDown() override
    {
        CloseCom(kTestPort);
        SetComPortDevice(kTestPort, nullptr);
        qunsetenv("ORVELLE_COM7");
    }
};

TEST_F(SerialTable, MapsTheFourRangesOfPortNumbers)
{
    const struct {
        int port;
        const char *device;
    } cases[] = {
        {1, "/dev/ttyS0"},    {4, "/dev/ttyS3"},      {5, "/dev/ttyUSB0"},
        {20, "/dev/ttyUSB15"}, {21, "/dev/ttyACM0"},  {32, "/dev/ttyACM11"},
    };
    for (const auto &c : cases)
        EXPECT_STREQ(ComPortDevice(c.port), c.device) << "COM" << c.port;
    EXPECT_STREQ(ComPortDevice(0), "");
    EXPECT_STREQ(ComPortDevice(kComPortMax + 1), "");
}

TEST_F(SerialTable, OverrideWinsOverEnvironmentWhichWinsOverTable)
{
    qputenv("ORVELLE_COM7", QByteArray("/dev/from-env"));
    EXPECT_STREQ(ComPortDevice(kTestPort), "/dev/from-env");
    SetComPortDevice(kTestPort, "/dev/from-code");
    EXPECT_STREQ(ComPortDevice(kTestPort), "/dev/from-code");
    SetComPortDevice(kTestPort, "");
    EXPECT_STREQ(ComPortDevice(kTestPort), "/dev/from-env");
    qunsetenv("ORVELLE_COM7");
    EXPECT_STREQ(ComPortDevice(kTestPort), "/dev/ttyUSB2");
}

TEST_F(SerialTable, PortNumbersOutsideTheRangeAreInvalid)
{
    for (int port : {-1, 0, kComPortMax + 1}) {
        EXPECT_EQ(OpenDefault(port), kRs232InvalidPortNumber) << port;
        EXPECT_EQ(CloseCom(port), kRs232InvalidPortNumber);
        EXPECT_EQ(GetInQLen(port), kRs232InvalidPortNumber);
        char c = 0;
        EXPECT_EQ(ComRd(port, &c, 1), kRs232InvalidPortNumber);
        EXPECT_EQ(ComWrt(port, "x", 1), kRs232InvalidPortNumber);
    }
    SetComPortDevice(0, "/dev/null");   // ignored, must not crash
}

TEST_F(SerialTable, PortWithoutDeviceIsNotFound)
{
    qputenv("ORVELLE_COM7", QByteArray(""));
    EXPECT_STREQ(ComPortDevice(kTestPort), "");
    EXPECT_EQ(OpenDefault(kTestPort), kRs232NoPortFound);
    EXPECT_EQ(GetInQLen(kTestPort), kRs232PortNotOpen);
}

TEST_F(SerialTable, DeviceThatCannotBeOpenedIsReportedWithItsName)
{
    SetComPortDevice(kTestPort, "/nonexistent/ttyX9");
    EXPECT_EQ(OpenDefault(kTestPort), kRs232CannotOpenPort);
    EXPECT_NE(std::string(GetComErrorText(kTestPort)).find("ttyX9"), std::string::npos);
    // An explicit device name in the call beats the table as well.
    EXPECT_EQ(OpenDefault(kTestPort, "/nonexistent/ttyY1"), kRs232CannotOpenPort);
}

TEST_F(SerialTable, CallsOnAClosedPortSayNotOpen)
{
    char buf[4] = {};
    EXPECT_EQ(CloseCom(kTestPort), 0);
    EXPECT_EQ(CloseCom(kTestPort), 0);
    EXPECT_EQ(ComRd(kTestPort, buf, 4), kRs232PortNotOpen);
    EXPECT_EQ(ComWrt(kTestPort, buf, 4), kRs232PortNotOpen);
    EXPECT_EQ(FlushInQ(kTestPort), kRs232PortNotOpen);
    EXPECT_EQ(FlushOutQ(kTestPort), kRs232PortNotOpen);
    EXPECT_EQ(SetComTime(kTestPort, 1.0), kRs232PortNotOpen);
    EXPECT_EQ(SetCTSMode(kTestPort, LWRS_HWHANDSHAKE_OFF), kRs232PortNotOpen);
}

TEST_F(SerialTable, LineSettingsOutOfRangeAreRefusedBeforeOpening)
{
    SetComPortDevice(kTestPort, "/dev/null");
    EXPECT_EQ(OpenComConfig(kTestPort, "", 0, 0, 8, 1, 1024, 1024), kRs232InvalidParameter);
    EXPECT_EQ(OpenComConfig(kTestPort, "", 19200, 5, 8, 1, 1024, 1024), kRs232InvalidParameter);
    EXPECT_EQ(OpenComConfig(kTestPort, "", 19200, 0, 9, 1, 1024, 1024), kRs232InvalidParameter);
    EXPECT_EQ(OpenComConfig(kTestPort, "", 19200, 0, 8, 3, 1024, 1024), kRs232InvalidParameter);
}

}  // namespace
