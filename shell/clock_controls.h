#pragma once
// The two digital clocks: their size in logical pixels, from which both their controls
// in the windows and the pictures the renderer draws into them are made.

struct ClockSize {
  int width, height;
};

inline constexpr ClockSize kLargeClockSize{300, 95};  // main window
inline constexpr ClockSize kSmallClockSize{190, 50};  // small window

// Creates the picture control `control` of a clock at (x, y) in `window`. A screen reader
// reads it out as the time it shows; the renderer keeps that name current.
void CreateClockControl(int window, int control, int x, int y, ClockSize size);
