// The simulator program's command line.
#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace {

using Args = std::vector<std::string>;

sim::SimConfig parseOk(const Args &args)
{
    sim::SimConfig c;
    std::string error;
    EXPECT_EQ(sim::parseSimArgs(args, &c, &error), sim::ParseResult::Run) << error;
    return c;
}

TEST(SimOptions, LinksAndSensorSettings)
{
    sim::SimConfig c = parseOk({"--tcp", "127.0.0.1:0", "--pty", "--paced", "--eeprom=/tmp/e.txt",
                                "--id", "SENSOR X", "--trigger-period", "50", "--target", "10,20,4095",
                                "--log-frames"});
    EXPECT_TRUE(c.tcp);
    EXPECT_EQ(c.tcpHost, "127.0.0.1");
    EXPECT_EQ(c.tcpPort, 0);
    EXPECT_TRUE(c.pty);
    EXPECT_TRUE(c.paced);
    EXPECT_EQ(c.eepromPath, "/tmp/e.txt");
    EXPECT_EQ(c.idText, "SENSOR X");
    EXPECT_EQ(c.triggerPeriodMs, 50);
    ASSERT_TRUE(c.fixedTarget.has_value());
    EXPECT_EQ(*c.fixedTarget, (sim::Intensities{10, 20, 4095}));
    EXPECT_TRUE(c.logFrames);
    EXPECT_EQ(c.logPath, "");
    EXPECT_EQ(parseOk({"--tcp=localhost:5025", "--log-frames=/tmp/f.log"}).tcpPort, 5025);
}

TEST(SimOptions, FaultSwitchesWithAndWithoutCommand)
{
    sim::SimConfig c = parseOk({"--pty", "--no-reply=8", "--short-reply", "--wrong-marker=5",
                                "--delay", "250@3", "--row-offset", "1", "--close-after", "4",
                                "--unsolicited"});
    EXPECT_TRUE(c.faults.noReply.applies(8));
    EXPECT_FALSE(c.faults.noReply.applies(3));
    EXPECT_TRUE(c.faults.replyLength.applies(3));
    EXPECT_EQ(c.faults.replyBytes, 20);
    EXPECT_TRUE(c.faults.wrongMarker.applies(5));
    EXPECT_FALSE(c.faults.wrongMarker.applies(3));
    EXPECT_EQ(c.faults.delayMs, 250);
    EXPECT_TRUE(c.faults.delay.applies(3));
    EXPECT_FALSE(c.faults.delay.applies(4));
    EXPECT_EQ(c.faults.rowOffset, 1);
    EXPECT_EQ(c.faults.closeAfterFrames, 4);
    EXPECT_EQ(c.faults.unsolicitedMs, sim::kUnsolicitedDefaultMs);

    EXPECT_EQ(parseOk({"--pty", "--long-reply"}).faults.replyBytes, 40);
    sim::SimConfig len = parseOk({"--pty", "--reply-length=35@7"});
    EXPECT_EQ(len.faults.replyBytes, 35);
    EXPECT_TRUE(len.faults.replyLength.applies(7));
    EXPECT_FALSE(len.faults.replyLength.applies(3));
    sim::SimConfig once = parseOk({"--pty", "--wrong-marker-once=4"});
    EXPECT_TRUE(once.faults.wrongMarker.applies(4));
    EXPECT_FALSE(once.faults.wrongMarker.applies(5));
    EXPECT_EQ(once.faults.wrongMarkerReplies, 1);
}

TEST(SimOptions, WrongEchoSelections)
{
    sim::FaultConfig f = parseOk({"--pty", "--wrong-echo"}).faults;
    EXPECT_TRUE(f.wrongEcho.applies(1));
    EXPECT_EQ(f.echoFirst, 1);
    EXPECT_EQ(f.echoLast, 1);
    EXPECT_EQ(f.echoValue, 0x55);

    f = parseOk({"--pty", "--wrong-echo=12-35:inv@2"}).faults;
    EXPECT_TRUE(f.wrongEcho.applies(2));
    EXPECT_FALSE(f.wrongEcho.applies(1));
    EXPECT_EQ(f.echoFirst, 12);
    EXPECT_EQ(f.echoLast, 35);
    EXPECT_EQ(f.echoValue, sim::kEchoInvert);

    f = parseOk({"--pty", "--wrong-echo=3:0x7f"}).faults;
    EXPECT_EQ(f.echoFirst, 3);
    EXPECT_EQ(f.echoLast, 3);
    EXPECT_EQ(f.echoValue, 0x7F);
}

class SimOptionsBad : public ::testing::TestWithParam<Args> {};

TEST_P(SimOptionsBad, IsRefusedWithAReason)
{
    sim::SimConfig c;
    std::string error;
    EXPECT_EQ(sim::parseSimArgs(GetParam(), &c, &error), sim::ParseResult::Error);
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SimOptionsBad, ::testing::Values(
    Args{},                                   // nothing to serve
    Args{"--paced"},                          // still nothing to serve
    Args{"--tcp"},                            // value missing
    Args{"--tcp", "127.0.0.1"},               // no port
    Args{"--tcp", "127.0.0.1:70000"},
    Args{"--tcp", ":5000"},
    Args{"--pty", "--frobnicate"},
    Args{"--pty", "stray"},
    Args{"--pty=1"},                          // takes no value
    Args{"--pty", "--trigger-period", "5"},   // below 10 ms
    Args{"--pty", "--target", "1,2"},
    Args{"--pty", "--target", "1,2,4096"},
    Args{"--pty", "--no-reply=x"},
    Args{"--pty", "--wrong-echo=36"},
    Args{"--pty", "--wrong-echo=20-10"},
    Args{"--pty", "--wrong-echo=1:256"},
    Args{"--pty", "--delay", "10@"},
    Args{"--pty", "--delay", "-1"},
    Args{"--pty", "--close-after", "0"},
    Args{"--pty", "--row-offset", "31"},
    Args{"--pty", "--unsolicited=5"},
    Args{"--pty", "--eeprom="}));

TEST(SimOptions, HelpIsRecognised)
{
    sim::SimConfig c;
    std::string error;
    EXPECT_EQ(sim::parseSimArgs({"-h"}, &c, &error), sim::ParseResult::Help);
    EXPECT_EQ(sim::parseSimArgs({"--help"}, &c, &error), sim::ParseResult::Help);
    EXPECT_NE(sim::simUsage().find("--close-after"), std::string::npos);
}

} // namespace
