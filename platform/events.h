#pragma once
// The queue of window events that the main loop takes one at a time.
#include "platform/types.h"

namespace platform {

// Waits up to `timeoutMs` for the next window event; true and `out` filled when one
// arrived. Window-system work (painting, picture hand-overs) goes on meanwhile.
bool WaitEvent(int timeoutMs, Event& out);

// Runs the window system's pending work without taking events from the queue.
void ProcessPendingWork();

// Number of events waiting in the queue.
int PendingEventCount();

// Drops every queued event (used when windows are torn down).
void ClearEvents();

}  // namespace platform
