// A simulator started on one link kind, with a client connected to it.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "sim_client.h"

namespace simtest {

class SimLinkTest : public ::testing::TestWithParam<Link> {
protected:
    void SetUp() override { startWith(configFor(GetParam())); }

    void startWith(const sim::SimConfig &config)
    {
        client.reset();
        sensor = std::make_unique<sim::SensorSim>(config);
        std::string error;
        ASSERT_TRUE(sensor->start(&error)) << error;
        client = connectTo(*sensor, GetParam());
        ASSERT_TRUE(client->ok());
    }

    // The identification reply: proves that nothing else was sent before it.
    Bytes idReply() const
    {
        sim::Frame id = sim::makeFrame(0, 0);
        std::string text = sensor->idText();
        std::copy_n(text.begin(), std::min(text.size(), id.size()), id.begin());
        return bytesOf(id);
    }

    std::unique_ptr<sim::SensorSim> sensor;
    std::unique_ptr<Client> client;
};

inline std::string linkName(const ::testing::TestParamInfo<Link> &info)
{
    return info.param == Link::Tcp ? "Tcp" : "Pty";
}

} // namespace simtest
