#include "sim/sim_frame.h"

#include <algorithm>

namespace sim {

uint16_t frameWord(const Frame &frame, std::size_t word)
{
    if (word >= kFrameWords)
        return 0;
    return static_cast<uint16_t>((frame[2 * word] << 8) | frame[2 * word + 1]);
}

void setFrameWord(Frame &frame, std::size_t word, uint16_t value)
{
    if (word >= kFrameWords)
        return;
    frame[2 * word] = static_cast<uint8_t>(value >> 8);
    frame[2 * word + 1] = static_cast<uint8_t>(value & 0xFF);
}

Frame makeFrame(uint16_t marker, uint16_t command)
{
    Frame frame{};
    setFrameWord(frame, 0, marker);
    setFrameWord(frame, 1, command);
    return frame;
}

Frame frameFromBytes(const uint8_t *data, std::size_t size)
{
    Frame frame{};
    if (data != nullptr)
        std::copy_n(data, std::min(size, kFrameBytes), frame.begin());
    return frame;
}

std::string bytesToHex(const uint8_t *data, std::size_t size)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(size * 3);
    for (std::size_t i = 0; i < size; ++i) {
        if (i > 0)
            out.push_back(' ');
        out.push_back(kDigits[data[i] >> 4]);
        out.push_back(kDigits[data[i] & 0x0F]);
    }
    return out;
}

} // namespace sim
