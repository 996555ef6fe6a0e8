// ProcessSystemEvents and ProcessSystemEventsUntil on the core event
// dispatcher: what the waiting loops of the link, the transfers and the
// recorder call, in the window and on the command line alike.
#include "platform/events/events.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <climits>
#include <cmath>

#include "platform/events/event_wait.h"
#include "platform/utility/utility.h"

namespace {

// Longest a waiting call of a loop that gave no deadline sleeps without an
// event, in ms. Such a loop tests Timer() against its limit after every
// call, so this is how late its limit can end: a limit of 3.0 s ends at most
// this late, inside the 10 ms an operator and the sensor's pacing tolerate.
constexpr int kLongestWaitMs = 8;
// A deadline this close is not worth sleeping for, in s.
constexpr double kNoWaitS = 1e-4;
// Calls further apart than this, in s, are not back-to-back: the caller did
// work of its own in between (a callback started from the main loop, say).
constexpr double kBackToBackS = 1e-3;

// Bumped by operations that moved data on a link (noteLinkActivity).
unsigned long linkActivity = 0;
// The previous call found nothing to do, returned at returnedAt (Timer()
// seconds) and linkActivity then had this value.
bool previousFoundNothing = false;
double returnedAt = 0;
unsigned long activityAtPrevious = 0;
// Each wait arms the wake-up under a new number; the wake-up notes the
// number it was armed with, so a wait nested inside another's callback
// never makes the outer one look timed out.
unsigned long armedWait = 0;
unsigned long firedWait = 0;

QTimer *WakeTimer()
{
    static QTimer *wake = nullptr;
    if (!wake) {
        wake = new QTimer(QCoreApplication::instance());
        wake->setSingleShot(true);
        wake->setTimerType(Qt::PreciseTimer);
        QObject::connect(wake, &QTimer::timeout, [] { firedWait = armedWait; });
    }
    return wake;
}

// Blocks until the next event or waitMs, then processes what came. Returns
// whether anything but the wake-up came.
bool WaitForNextEvent(QAbstractEventDispatcher *dispatcher, int waitMs)
{
    QTimer *wake = WakeTimer();
    const unsigned long mine = ++armedWait;
    wake->start(waitMs);
    const bool processed =
        dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    const bool timedOut = firedWait == mine;
    if (armedWait == mine)
        wake->stop();
    return processed && !timedOut;
}

// How long a waiting call may sleep, in ms: up to the deadline (seconds on
// the Timer() clock; negative: none given, kLongestWaitMs then), 0 when it
// has come.
int WaitMs(double deadline, double now)
{
    if (deadline < 0)
        return kLongestWaitMs;
    const double remaining = deadline - now;
    if (remaining < kNoWaitS)
        return 0;
    if (remaining >= INT_MAX / 1000.0)
        return INT_MAX;
    return static_cast<int>(std::ceil(remaining * 1000.0));
}

// ProcessSystemEvents (deadline negative) and ProcessSystemEventsUntil: see
// events.h. A call that gives a deadline comes from a waiting loop by its
// own word.
int ProcessEvents(double deadline)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return 0;
    const double now = Timer();
    const bool waiting = deadline >= 0
        || (previousFoundNothing && activityAtPrevious == linkActivity
            && now - returnedAt < kBackToBackS);
    const int waitMs = waiting ? WaitMs(deadline, now) : 0;
    const bool found = waitMs > 0 ? WaitForNextEvent(dispatcher, waitMs)
                                  : dispatcher->processEvents(QEventLoop::AllEvents);
    previousFoundNothing = !found;
    activityAtPrevious = linkActivity;
    returnedAt = Timer();
    return 0;
}

}  // namespace

int ProcessSystemEvents()
{
    return ProcessEvents(-1);
}

int ProcessSystemEventsUntil(double deadline)
{
    return ProcessEvents(deadline < 0 ? 0 : deadline);
}

namespace plat {

void noteLinkActivity()
{
    ++linkActivity;
}

void resetEventWaitState()
{
    previousFoundNothing = false;
}

}  // namespace plat
