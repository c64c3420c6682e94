#pragma once
// The local clock. Program code never reads the time any other way, so tests can
// script it.
#include <chrono>
#include <cstdint>

#include "platform/types.h"

namespace platform {

LocalTime Now();
// The system's local wall clock, which Now() answers unless a test has scripted it.
// Portable: the screen saver reads its time here too.
LocalTime SystemLocalTime();
// A moment of the monotonic clock, for measuring quiet times; never goes backwards.
using SteadyTime = std::chrono::steady_clock::time_point;
SteadyTime SteadyNow();
// Milliseconds from an arbitrary start; never goes backwards.
uint64_t TickMs();

// A local time for the given day and time of day, with its weekday filled in.
LocalTime MakeLocalTime(int year, int month, int day, int hour, int minute, int second = 0);
// The same moment moved by whole seconds (may cross days, months and years).
LocalTime AddSeconds(const LocalTime& t, long long seconds);
// The local time as whole minutes since 01.01.1970 00:00 of the same clock, so that two
// readings can be told apart and ordered even across days.
long long MinuteNumber(const LocalTime& t);

// Where Now() reads the local time; null for the system clock. A test puts its own
// clock here (the program never does); safe to change while other threads read it.
using LocalTimeSource = LocalTime (*)();
void SetLocalTimeSource(LocalTimeSource source);

}  // namespace platform
