// The recording loops without their panel: timed (one requested frame per
// interval, with or without a count) and triggered (the frames the sensor
// sends by itself). The window and orvelle-cli run the same loops and hand
// in what is done with each frame.
#pragma once

namespace orvelle {

struct RecordEnd;

// What a front end does with a recording's frames. A null hook does nothing.
struct RecordHooks {
    // The frame just taken is the measurement now (measurement variables
    // set): write its line and show it. lines counts it, from 1. A line that
    // cannot be written is counted in reclost by the hook.
    void (*frame)(int lines);
    // One more reply or frame was no whole data frame (counted in recdropped).
    void (*dropped)();
    // Timed recordings: a cycle has ended; cycles counts them (16 bits, as
    // the count does) and tookFrame says whether it brought a line.
    void (*cycle)(unsigned cycles, int tookFrame);
};

// The timed loop: every zeitint seconds (from the start of the cycle) one
// data request, until poll is cleared or, with fixedCount, anzwerte cycles
// are done. A missing reply (time-out, lost link) writes no line and ends
// the recording with its reason (SetPopupTimeout); a reply that is no data
// frame costs its cycle only: noted, counted as dropped. poll is 1 while it
// runs. The account (from reclost and recdropped, which the caller resets)
// goes to *end.
void RunTimedRecord(int fixedCount, const RecordHooks *hooks, RecordEnd *end);
// Waits until zeitint seconds have passed since recstart, processing
// events; returns at once when poll is cleared.
void SlowDown();
// The triggered loop: automatic sending on; every whole data frame the
// sensor sends is taken, anything else is dropped (noted in the link log)
// and counted, until poll is cleared or the link is gone (its reason noted,
// SetPopupTimeout); then automatic sending off and the frames still
// arriving decided once the line is quiet. The account goes to *end.
void RunTriggeredRecord(const RecordHooks *hooks, RecordEnd *end);

}  // namespace orvelle
