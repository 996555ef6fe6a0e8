// Event processing for the waiting loops of every front end: the window's
// and the command line's. Needs a QCoreApplication (or QApplication); no
// widget is involved, so programs without a display use it as well.
#pragma once

// Processes what is pending and returns. A lone call never waits. A call
// that comes right after one which found nothing, with no data moved on a
// link in between, comes from a waiting loop: it sleeps until the next event
// (at most 8 ms) and processes it. A loop built on it so reacts at once, costs
// next to no processor time, and sees its time limit pass at most 8 ms late.
int ProcessSystemEvents();
// The call of a loop that waits until Timer() reaches deadline (seconds) at
// the latest: it processes what is pending or else sleeps until the next
// event or the deadline, so the loop wakes only when there is something to
// do and sees its limit pass on time.
int ProcessSystemEventsUntil(double deadline);
