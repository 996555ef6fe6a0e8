#include "sim/faults.h"

#include <algorithm>

#include "sim/sim_frame.h"

namespace sim {

namespace {

constexpr std::size_t kMaxReplyBytes = 1024;   // bound on a padded reply

void corruptEcho(const FaultConfig &config, std::vector<uint8_t> &reply)
{
    int last = std::min<int>(config.echoLast, static_cast<int>(reply.size()) - 1);
    for (int i = std::max(config.echoFirst, 0); i <= last; ++i) {
        uint8_t &b = reply[static_cast<std::size_t>(i)];
        b = config.echoValue == kEchoInvert ? static_cast<uint8_t>(~b)
                                            : static_cast<uint8_t>(config.echoValue);
    }
}

} // namespace

std::vector<uint8_t> applyReplyFaults(const FaultConfig &config, uint16_t cmd, bool echo,
                                      bool hasMarker, std::vector<uint8_t> reply)
{
    if (config.noReply.applies(cmd))
        return {};
    if (hasMarker && config.wrongMarker.applies(cmd) && reply.size() >= 2) {
        reply[0] = static_cast<uint8_t>(config.markerWord >> 8);
        reply[1] = static_cast<uint8_t>(config.markerWord & 0xFF);
    }
    if (echo && config.wrongEcho.applies(cmd))
        corruptEcho(config, reply);
    if (config.replyLength.applies(cmd)) {
        std::size_t n = std::min<std::size_t>(std::max(config.replyBytes, 0), kMaxReplyBytes);
        reply.resize(n, 0);
    }
    return reply;
}

void spendCountedFaults(FaultConfig &live, uint16_t cmd, bool hasMarker)
{
    if (hasMarker && live.wrongMarkerReplies > 0 && live.wrongMarker.applies(cmd)) {
        if (--live.wrongMarkerReplies == 0)
            live.wrongMarker.on = false;
    }
}

} // namespace sim
