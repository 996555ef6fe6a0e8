// Internal to the platform layer: what the event wait needs to know from the
// other rooms to tell a waiting loop from a lone call.
#pragma once

namespace plat {

// Called by operations that move data on a link (a write, a read that got
// bytes, a queue that grew without an event). The next ProcessSystemEvents
// then returns at once instead of waiting: its caller has work in hand.
void noteLinkActivity();
// Forgets what the previous call found (tests start each case afresh).
void resetEventWaitState();

}  // namespace plat
