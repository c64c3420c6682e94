#pragma once
// The queue of window events that the main loop takes one at a time.
#include "platform/types.h"

namespace platform {

// Why a wait ended: a window event was taken, something the main loop must look at
// happened (an ending signal, a raise request, the end of a sound), or the time was up.
enum class WaitEnd { Event, Woken, TimedOut };

// Waits up to `timeoutMs` for the next window event or a wake-up; `out` is filled when
// an event was taken. Window-system work (painting, picture hand-overs) goes on
// meanwhile.
WaitEnd WaitEvent(int timeoutMs, Event& out);

// Ends the current (or the next) wait at once. Safe to call from any thread, not from
// a signal handler.
void WakeMainLoop();

// Runs the window system's pending work without taking events from the queue.
void ProcessPendingWork();

// Drops every queued event (used when windows are torn down).
void ClearEvents();

}  // namespace platform
