// Live data: one data frame per request, the polling loop and the stop of
// the sensor's automatic sending.
#pragma once

namespace orvelle {

constexpr unsigned kPollPauseMs = 50;  // pause after every frame

// The polling loop: one command-5 request per turn, shown in the displays
// and graphs, until poll is cleared (stop, close, time-out, teach edit).
void GetData();
// One request and reply wait for the frame in szWriteBuf; bytesToRead 0
// when a complete data frame (marker, command 5) arrived. Any other reply
// leaves bytesToRead non-zero, as a missing one does.
void GetDataFrame();
// Sends command 50 with 0; nothing is awaited.
void StopAutoSend();

}  // namespace orvelle
