// Live data from the sensor: one data frame per request, the polling loop's
// turns, and the stop of the sensor's automatic sending. No panel is
// touched; what is done with a frame is the caller's.
#pragma once

#include <cstddef>

namespace orvelle {

constexpr unsigned kPollPauseMs = 50;  // pause after every polled frame

// What one data request brought.
enum DataOutcome {
    kDataFrame = 0,  // a complete data frame (marker, command 5) in szReadBuf
    kDataWrong,      // a complete reply that is no data frame: why says what it is
    kDataMissing,    // no complete reply: szReason says why (time-out, lost link)
};

// One request and reply wait for the frame in szWriteBuf. Returns a
// DataOutcome; bytesToRead is 0 only for kDataFrame. For kDataWrong, why
// (whySize bytes, may be null) names the fault; nothing is shown anywhere.
int GetDataFrame(char *why = nullptr, std::size_t whySize = 0);
// Sends command 50 with 0; nothing is awaited.
void StopAutoSend();
// The polling loop: poll becomes 1; one command-5 request per turn; a data
// frame is decoded into the measurement variables and handed to shown();
// a reply that is no data frame, or none, ends the loop with its reason
// noted (SetPopupTimeout). Each turn ends with the pending events and a
// pause of kPollPauseMs. Returns when poll is no longer 1 (stop, close,
// time-out, a termination signal).
void PollData(void (*shown)());

}  // namespace orvelle
