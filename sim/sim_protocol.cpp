#include "sim/sim_protocol.h"

#include <algorithm>
#include <cstdio>

namespace sim {

namespace {

constexpr std::size_t kPayloadWord = 2;   // first word after marker and command
constexpr std::size_t kRowDataWord = 3;   // first teach word in row frames
constexpr uint16_t kAutoSendOn = 1;
constexpr uint16_t kAutoSendOff = 0;

std::vector<uint8_t> toBytes(const Frame &frame)
{
    return {frame.begin(), frame.end()};
}

Reply echoOf(const Frame &request, uint16_t cmd)
{
    Frame echo = request;
    setFrameWord(echo, 0, kReplyMarker);
    return {toBytes(echo), cmd, true, true};
}

Reply dataReply(const Frame &frame, uint16_t cmd)
{
    return {toBytes(frame), cmd, false, true};
}

// Moves the read source on for a command that is about to be served and
// tells whether this read comes from the EEPROM.
bool readsFromEeprom(SimState &state, uint16_t cmd, uint16_t row)
{
    switch (cmd) {
    case kCmdReadParams:
        if (state.readSource == ReadSource::EepromArmed) {
            state.readSource = ReadSource::EepromReading;
            return true;
        }
        state.readSource = ReadSource::Ram;
        return false;
    case kCmdReadRow: {
        bool eeprom = state.readSource != ReadSource::Ram;
        if (row + 1u >= kTeachRows)
            state.readSource = ReadSource::Ram;
        return eeprom;
    }
    case kCmdEepromReads:
        state.readSource = ReadSource::EepromArmed;
        return false;
    default:
        state.readSource = ReadSource::Ram;
        return false;
    }
}

Reply readParams(const ParamSet &set)
{
    Frame f = makeFrame(kReplyMarker, kCmdReadParams);
    for (std::size_t s = 0; s < kParamWords; ++s)
        setFrameWord(f, kPayloadWord + s, set.params[s]);
    return dataReply(f, kCmdReadParams);
}

Reply readRow(const ParamSet &set, std::size_t row)
{
    Frame f = makeFrame(kReplyMarker, kCmdReadRow);
    setFrameWord(f, kPayloadWord, static_cast<uint16_t>(row));
    for (std::size_t c = 0; c < kTeachCols; ++c)
        setFrameWord(f, kRowDataWord + c, set.teach[row][c]);
    return dataReply(f, kCmdReadRow);
}

void storeEeprom(SimState &state)
{
    state.eeprom = state.ram;
    if (state.eepromPath.empty())
        return;
    std::string error;
    if (saveEepromFile(state.eepromPath, state.eeprom, &error)) {
        state.lastError.clear();
    } else {
        state.lastError = error;
        std::fprintf(stderr, "sensor-sim: EEPROM not saved: %s\n", error.c_str());
    }
}

} // namespace

Frame makeIdFrame(const std::string &text)
{
    return frameFromBytes(reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

Frame makeDataFrame(SimState &state, int64_t tMs)
{
    Frame f = makeFrame(kReplyMarker, kCmdDataFrame);
    DataWords words = state.model.sample(tMs, state.ram);
    for (std::size_t i = 0; i < kDataWords; ++i)
        setFrameWord(f, kPayloadWord + i, words[i]);
    return f;
}

Reply serveRequest(SimState &state, const Frame &request, int64_t tMs)
{
    if (frameWord(request, 0) != kSyncWord)
        return {};
    uint16_t cmd = frameWord(request, 1);
    uint16_t arg = frameWord(request, kPayloadWord);
    bool rowCommand = cmd == kCmdWriteRow || cmd == kCmdReadRow;
    if (rowCommand && arg >= kTeachRows)
        return {};

    switch (cmd) {
    case kCmdWriteParams:
        readsFromEeprom(state, cmd, 0);
        for (std::size_t s = 0; s < kParamWords; ++s)
            state.ram.params[s] = frameWord(request, kPayloadWord + s);
        return echoOf(request, cmd);
    case kCmdWriteRow:
        readsFromEeprom(state, cmd, arg);
        for (std::size_t c = 0; c < kTeachCols; ++c)
            state.ram.teach[arg][c] = frameWord(request, kRowDataWord + c);
        return echoOf(request, cmd);
    case kCmdReadParams:
        return readParams(readsFromEeprom(state, cmd, 0) ? state.eeprom : state.ram);
    case kCmdReadRow: {
        bool eeprom = readsFromEeprom(state, cmd, arg);
        long row = long{arg} + state.faults.rowOffset;
        if (row < 0 || row >= long{kTeachRows})
            return {};
        return readRow(eeprom ? state.eeprom : state.ram, static_cast<std::size_t>(row));
    }
    case kCmdDataFrame:
        readsFromEeprom(state, cmd, 0);
        return dataReply(makeDataFrame(state, tMs), cmd);
    case kCmdStoreEeprom:
        readsFromEeprom(state, cmd, 0);
        storeEeprom(state);
        return echoOf(request, cmd);
    case kCmdIdentify: {
        readsFromEeprom(state, cmd, 0);
        Frame id = makeIdFrame(state.idText);
        return {toBytes(id), cmd, false, false};
    }
    case kCmdEepromReads:
        readsFromEeprom(state, cmd, 0);
        return echoOf(request, cmd);
    case kCmdAutoSend:
        readsFromEeprom(state, cmd, 0);
        if (arg == kAutoSendOn)
            state.autoSend = true;
        else if (arg == kAutoSendOff)
            state.autoSend = false;
        return {};
    default:
        return {};
    }
}

} // namespace sim
