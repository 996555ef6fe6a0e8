// Live data: one data frame per request, the polling loop and the stop of
// the sensor's automatic sending.
#pragma once

#include <cstddef>

namespace orvelle {

constexpr unsigned kPollPauseMs = 50;  // pause after every frame

// What one data request brought.
enum DataOutcome {
    kDataFrame = 0,  // a complete data frame (marker, command 5) in szReadBuf
    kDataWrong,      // a complete reply that is no data frame: why says what it is
    kDataMissing,    // no complete reply: szReason says why (time-out, lost link)
};

// The polling loop: one command-5 request per turn, shown in the displays
// and graphs, until poll is cleared (stop, close, time-out, teach edit). A
// reply that is no data frame is not shown and ends polling with its reason.
void GetData();
// One request and reply wait for the frame in szWriteBuf. Returns a
// DataOutcome; bytesToRead is 0 only for kDataFrame. For kDataWrong, why
// (whySize bytes, may be null) names the fault; nothing is shown anywhere.
int GetDataFrame(char *why = nullptr, std::size_t whySize = 0);
// Sends command 50 with 0; nothing is awaited.
void StopAutoSend();

}  // namespace orvelle
