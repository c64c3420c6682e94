#pragma once
// Plain value types shared by the platform layer and the program.
#include <cstdint>
#include <string>

namespace platform {

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A calendar day of the local clock.
struct Date {
  int year = 0, month = 0, day = 0;
  bool operator==(const Date&) const = default;
};

// A reading of the local clock. weekday: 0 = Sunday ... 6 = Saturday.
struct LocalTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  int weekday = 6;
  Date date() const { return {year, month, day}; }
};

// What the main loop receives from the window system.
// FilesChanged: a watched file or the working directory changed on disk (see file_watcher.h).
enum class EventKind { None, Close, Moved, Command, Control, Tray, FilesChanged };

struct Event {
  EventKind kind = EventKind::None;
  int window = -1;  // window the event belongs to
  int item = -1;    // command identifier or control number
};

}  // namespace platform
