#include "gui/record_run.h"

#include <algorithm>
#include <cstdio>

#include "app/state.h"
#include "com232/conversions.h"
#include "com232/data_request.h"
#include "com232/frame.h"
#include "com232/frame_stream.h"
#include "com232/link_log.h"
#include "com232/link_reason.h"
#include "com232/status_display.h"
#include "com232/transport.h"
#include "gui/record_end.h"
#include "platform/events/events.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {

// A triggered recording has no time limit; between frames it sleeps until
// the next event, waking at least this often, s.
constexpr double kTriggerIdleWakeS = 0.25;
// After automatic sending is switched off, how long the last frames may take
// to arrive and the line to fall quiet, s: a frame at 19200 baud takes 19 ms.
constexpr double kTriggerSettleS = 0.1;

// The frame now in szReadBuf becomes the measurement and goes to the hook.
void HandOver(const RecordHooks *hooks, int lines)
{
    GetRxBufData();
    CopyDatatoVars();
    if (hooks->frame)
        hooks->frame(lines);
}

void CountDropped(const RecordHooks *hooks)
{
    ++recdropped;
    if (hooks->dropped)
        hooks->dropped();
}

// Lines, losses and drops of the recording into its account.
void CloseAccount(RecordEnd *end, int lines)
{
    end->lost = reclost;
    end->written = lines - reclost;
    end->dropped = recdropped;
}

// The triggered recording's progress between its steps.
struct TriggerRun {
    const RecordHooks *hooks;
    int dropRun;   // bytes dropped since the last frame taken (TakeFrame)
    int lines;     // frames taken for a line
};

// Takes every frame the stream can decide now, with the line in state line;
// each frame goes to the hook, each drop is counted and logged.
void TakeArrivedFrames(int line, TriggerRun *run)
{
    char why[kReasonBytes];
    for (;;) {
        const int step =
            TakeFrame(szStreamBuf, &streamLen, line, &run->dropRun, szReadBuf, why, sizeof why);
        if (step == kStreamWait)
            return;
        if (step == kStreamFrame) {
            HandOver(run->hooks, ++run->lines);
        } else {
            LogNote(why);
            if (step == kStreamDropped)
                CountDropped(run->hooks);
        }
    }
}

// The end of a triggered recording: what has arrived is taken, automatic
// sending goes off, and the frames still on their way are decided once the
// line has fallen quiet (at most kTriggerSettleS); what stays undecided is
// dropped. alive is false once the link is gone.
void FinishTriggeredRecord(bool alive, TriggerRun *run)
{
    char why[kReasonBytes];
    alive = alive && ReadLinkStream(why, sizeof why) >= 0;
    if (alive)
        TakeArrivedFrames(StreamLineState(), run);
    StopAutoSend();
    const double until = Timer() + kTriggerSettleS;
    while (alive && streamLen > 0 && StreamLineState() == kLineBusy && Timer() < until) {
        ProcessSystemEventsUntil(std::min(until, NextStreamLook(kTriggerSettleS)));
        alive = ReadLinkStream(why, sizeof why) >= 0;
        if (alive)
            TakeArrivedFrames(StreamLineState(), run);
    }
    if (alive)
        TakeArrivedFrames(StreamLineState(), run);
    TakeArrivedFrames(kLineEnded, run);
}

}  // namespace

void RunTimedRecord(int fixedCount, const RecordHooks *hooks, RecordEnd *end)
{
    ClearRecordEnd(end);
    poll = 1;
    if (fixedCount)
        end->asked = anzwerte;
    word cycles = 0;
    int lines = 0;
    while (poll == 1) {
        recstart = Timer();
        order = kCmdReadData;
        FillTxBuf(order, 0, 0, 0);
        char why[kReasonBytes];
        const int outcome = GetDataFrame(why, sizeof why);
        if (outcome == kDataMissing) {
            // No line: the file must not hold the last frame's values under
            // a new time.
            std::snprintf(end->why, sizeof end->why, "%s", szReason);
            SetPopupTimeout();
            break;
        }
        // A reply that came but is no data frame costs this cycle only.
        if (outcome == kDataFrame) {
            HandOver(hooks, ++lines);
        } else {
            NoteFailure(why);
            CountDropped(hooks);
        }
        if (fixedCount) {
            ++cycles;
            if (cycles == anzwerte)
                poll = 0;
        }
        if (hooks->cycle)
            hooks->cycle(cycles, outcome == kDataFrame);
        SlowDown();
    }
    CloseAccount(end, lines);
}

void SlowDown()
{
    tdiff = 0;
    while (static_cast<double>(zeitint) > tdiff) {
        tdiff = Timer() - recstart;
        // Sleeps until an event or the end of the interval, so the wait
        // costs next to no processor time.
        ProcessSystemEventsUntil(recstart + zeitint);
        if (poll == 0)
            return;
    }
}

void RunTriggeredRecord(const RecordHooks *hooks, RecordEnd *end)
{
    ClearRecordEnd(end);
    order = kCmdAutoSend;
    FillTxBuf(order, 1, 0, 0);
    OpenLinkStream();
    SendFrame(kTcpWriteTimeoutMs);
    TriggerRun run = {hooks, 0, 0};
    poll = 1;
    bool alive = true;
    while (poll == 1) {
        ProcessSystemEventsUntil(NextStreamLook(kTriggerIdleWakeS));
        if (ReadLinkStream(end->why, sizeof end->why) < 0) {
            // Port or connection gone: nothing more can come.
            NoteFailure(end->why);
            SetPopupTimeout();
            alive = false;
            break;
        }
        TakeArrivedFrames(StreamLineState(), &run);
    }
    FinishTriggeredRecord(alive, &run);
    CloseLinkStream();
    CloseAccount(end, run.lines);
}

}  // namespace orvelle
