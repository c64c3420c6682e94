#pragma once
// The thread that keeps the two digital clock pictures current.
#include <string>

#include "platform/types.h"

// "%hh:%ii.%ss", e.g. "09:05.07".
std::string FormatClockText(const platform::LocalTime& t);

// Starts the renderer: it draws kPictureLargeClock and kPictureSmallClock at once and
// again whenever the second changes, and hands them to kCtlLargeClock and
// kCtlSmallClock.
void StartClockRenderer();
// Stops the renderer and waits for it, so that it never draws into a freed picture.
void StopClockRenderer();
bool IsClockRendererRunning();
// Makes the renderer look at the clock now (after the clock was set by a test).
void WakeClockRenderer();
// Number of times the pictures were drawn since the start (both count as one).
long ClockRendererDrawCount();
